// Every text a pilot can see has a finished Chinese translation, and the
// English file maps each text to itself. The texts are extracted afresh from
// the sources, so a text added without its translation fails here.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString translation;
    QString type; // "", "unfinished", "vanished", "obsolete"
};
// context + '\x1f' + source -> message
using Catalogue = QMap<QString, Message>;

Catalogue readTs(const QString &path)
{
    Catalogue catalogue;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return catalogue;
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            catalogue.insert(context + QChar(0x1f) + source, message);
        }
    }
    return catalogue;
}

QString describe(const QString &key)
{
    QString text = key;
    return text.replace(QChar(0x1f), QLatin1String(": "));
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
    Catalogue extracted;
};

void tst_Translations::initTestCase()
{
    const QString fresh = dir.filePath("fresh.ts");
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VRN_SOURCE_DIR));
    lupdate.start(QStringLiteral(VRN_LUPDATE),
                  {"-silent", "-no-obsolete", "-locations", "none", "app", "shell", "link", "pages", "config", "sheet", "sim",
                   "-ts", fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    extracted = readTs(fresh);
    QVERIFY2(extracted.size() > 200, "the sources should hold a few hundred texts");
}

void tst_Translations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("toItself");
    QTest::addRow("Chinese") << "vrn_lang_zh.ts" << false;
    QTest::addRow("English") << "vrn_lang_en.ts" << true;
}

void tst_Translations::everyTextTranslated()
{
    QFETCH(QString, file);
    QFETCH(bool, toItself);
    const Catalogue committed = readTs(QStringLiteral(VRN_SOURCE_DIR "/language/") + file);
    QStringList faults;
    for (auto it = extracted.cbegin(); it != extracted.cend(); ++it) {
        const QString source = it.key().section(QChar(0x1f), 1);
        const auto found = committed.constFind(it.key());
        if (found == committed.cend())
            faults << "missing " + describe(it.key());
        else if (!found->type.isEmpty())
            faults << found->type + " " + describe(it.key());
        else if (found->translation.isEmpty())
            faults << "empty " + describe(it.key());
        else if (toItself && found->translation != source)
            faults << "not itself " + describe(it.key());
    }
    for (auto it = committed.cbegin(); it != committed.cend(); ++it)
        if (!extracted.contains(it.key()))
            faults << "no longer used " + describe(it.key());
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void tst_Translations::compiledTranslationsLoad_data()
{
    QTest::addColumn<QString>("qm");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::addRow("zh page list") << "vrn_lang_zh.qm" << "contentWidget" << "Basic" << QString::fromUtf8("基本");
    QTest::addRow("zh link") << "vrn_lang_zh.qm" << "SerialProcessThread" << "Connected" << QString::fromUtf8("已连接");
    QTest::addRow("en") << "vrn_lang_en.qm" << "SerialProcessThread" << "Connected" << "Connected";
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
