// Every text a pilot can see comes out of the compiled catalogues as the
// program asks for it: the Chinese one gives a translation for each, the
// English one gives each text back. The texts are extracted afresh from the
// sources (context, text and comment), and the .qm files are asked through
// QTranslator, so a text added without its translation, or an entry that a
// merge left holding two texts (the catalogue compiler keeps only one), fails
// here.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Text
{
    QString context;
    QString source;
    QString comment;
};

// The texts of a .ts file just written by lupdate.
QList<Text> readTs(const QString &path)
{
    QList<Text> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString context;
    Text text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            texts << text;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            text = Text{context, QString(), QString()};
        else if (xml.name() == QLatin1String("source"))
            text.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            text.comment = xml.readElementText();
    }
    return texts;
}

QString describe(const Text &text)
{
    return text.context + ": " + text.source +
           (text.comment.isEmpty() ? QString() : " (" + text.comment + ")");
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void compiledTranslationsLoad_data();
    void compiledTranslationsLoad();

private:
    QTemporaryDir dir;
    QList<Text> extracted;
};

void tst_Translations::initTestCase()
{
    const QString fresh = dir.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VRN_SOURCE_DIR));
    lupdate.start(QStringLiteral(VRN_LUPDATE),
                  {"-silent", "-no-obsolete", "-locations", "none", "app", "shell", "dialogs",
                   "link", "pages", "config", "sheet", "sim", "-ts", fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    extracted = readTs(fresh);
    QVERIFY2(extracted.size() > 200, "the sources should hold a few hundred texts");
}

void tst_Translations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("qm");
    QTest::addColumn<bool>("toItself");
    QTest::addRow("Chinese") << "vrn_lang_zh.qm" << false;
    QTest::addRow("English") << "vrn_lang_en.qm" << true;
}

void tst_Translations::everyTextTranslated()
{
    QFETCH(QString, qm);
    QFETCH(bool, toItself);
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(VRN_BINARY_DIR "/language/") + qm));
    QStringList faults;
    for (const Text &text : std::as_const(extracted)) {
        const QString shown = catalogue.translate(
            qPrintable(text.context), text.source.toUtf8().constData(),
            text.comment.isEmpty() ? nullptr : text.comment.toUtf8().constData());
        if (shown.isEmpty())
            faults << "not in the catalogue: " + describe(text);
        else if (toItself && shown != text.source)
            faults << "not itself: " + describe(text) + " gives " + shown;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void tst_Translations::compiledTranslationsLoad_data()
{
    QTest::addColumn<QString>("qm");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zh page list") << "vrn_lang_zh.qm"
                                  << "contentWidget"
                                  << "Basic" << QString::fromUtf8("基本");
    QTest::addRow("zh link") << "vrn_lang_zh.qm"
                             << "SerialProcessThread"
                             << "Connected" << QString::fromUtf8("已连接");
    QTest::addRow("en") << "vrn_lang_en.qm"
                        << "SerialProcessThread"
                        << "Connected"
                        << "Connected";
}

void tst_Translations::compiledTranslationsLoad()
{
    QFETCH(QString, qm);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(VRN_BINARY_DIR "/language/") + qm));
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), expected);
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_translations.moc"
