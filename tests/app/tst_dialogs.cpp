// Every window the program opens beside its main window is readable: its
// texts are measured from the pixels drawn, in both languages, while the main
// window keeps its white captions over the skin.
#include "AppSettings.h"
#include "CataloguesBesideProgram.h"
#include "ChangePreview.h"
#include "CompareWindow.h"
#include "DeviceParameters.h"
#include "DialogHook.h"
#include "DialogStyle.h"
#include "GuidedSetup.h"
#include "HistoryWindow.h"
#include "LanguageSettings.h"
#include "ModalDialog.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "WholeWindow.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Relative luminance and contrast ratio as the usual accessibility rules
// define them.
double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double s = value / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text drawn inside `area`: row by row, the ink that
// stands out most from the row's most common colour (its background, also
// under a vertical gradient); the median over the rows that hold ink. Text
// drawn in its background's colour leaves no ink: 1.
double textContrast(const QImage &image, const QRect &area)
{
    QList<double> rows;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        QHash<QRgb, int> counts;
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
        const QRgb background =
            *std::max_element(counts.keyBegin(), counts.keyEnd(),
                              [&](QRgb a, QRgb b) { return counts.value(a) < counts.value(b); });
        double ink = 1;
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink = std::max(ink, contrast(image.pixel(x, y), background));
        if (ink > 1.05)
            rows << ink;
    }
    if (rows.isEmpty())
        return 1;
    std::sort(rows.begin(), rows.end());
    return rows.at(rows.size() / 2);
}

struct Measured
{
    QString text;
    double ratio;
};

// Shows `dialog`, grabs its own window and measures every label and button
// that shows text and can be used.
QList<Measured> measure(QWidget &dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {};
    const QImage image = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QList<Measured> found;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        // A control that cannot be used is exempt, as in the usual rules.
        if (!w->isVisible() || !w->isEnabled() || w->width() < 4 || w->height() < 4 ||
            qobject_cast<QToolButton *>(w))
            continue;
        QString text;
        QRect area;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            area = label->contentsRect();
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            area = button->rect().adjusted(4, 4, -4, -4); // inside its frame
        }
        if (text.trimmed().isEmpty())
            continue;
        area.translate(w->mapTo(&dialog, QPoint(0, 0)));
        found.append({text.left(40), textContrast(image, area)});
    }
    return found;
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private:
    WholeWindow whole;
    mainWidget *window = nullptr;
    QTemporaryDir files;
    QList<Measured> measured;
    // Where each dialog opened, against the main window's frame.
    QList<bool> insideWindow;

    void record(QWidget &dialog)
    {
        measured += measure(dialog);
        insideWindow << window->frameGeometry().contains(dialog.frameGeometry());
        dialog.hide();
    }

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void textIsReadable_data();
    void textIsReadable();
};

void DialogsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // The translations, where the program looks for them: beside the executable.
    QVERIFY(CataloguesBesideProgram::install());
    DialogStyle::setApplicationPalette(mainWidget::applicationPalette());
    QVERIFY(files.isValid());
    QFile existing(files.filePath("model.conf"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("[Condition]\nr_kp=5\n");
}

void DialogsTest::cleanup()
{
    whole.close();
    window = nullptr;
    DialogHook::onQuestion({});
    DialogHook::onFile({});
    DialogHook::on<ChangePreview>({});
    DialogHook::on<HistoryWindow>({});
    DialogHook::on<CompareWindow>({});
    LanguageSettings::setRestartNoticeHandler({});
    LanguageSettings::removeTranslator();
    QFile::remove(AppSettings::programFilePath());
    measured.clear();
    insideWindow.clear();
}

void DialogsTest::cleanupTestCase()
{
    CataloguesBesideProgram::remove();
}

void DialogsTest::textIsReadable_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("language");
    for (const char *dialog :
         {"question", "open", "save", "preview", "history", "notice", "guided", "compare"}) {
        QTest::addRow("%s, English", dialog) << dialog << int(LanguageSettings::English);
        QTest::addRow("%s, Chinese", dialog) << dialog << int(LanguageSettings::Chinese);
    }
}

void DialogsTest::textIsReadable()
{
    QFETCH(QString, dialog);
    QFETCH(int, language);

    window = &whole.open(quint8(language));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    toolWidget *bar = window->toolBarWidget();
    const QString existing = files.filePath("model.conf");

    DialogHook::onQuestion(
        [&](QMessageBox &box) { return record(box), int(box.buttons().size()) - 1; });
    DialogHook::onFile([&](QFileDialog &d) -> std::optional<QString> {
        if (dialog == "open" || dialog == "save")
            record(d);
        return dialog == "question" ? std::optional<QString>(existing) : std::nullopt;
    });
    DialogHook::on<ChangePreview>(
        [&](ChangePreview &p) { return record(p), int(QDialog::Rejected); });
    DialogHook::on<HistoryWindow>(
        [&](HistoryWindow &h) { return record(h), int(QDialog::Rejected); });
    DialogHook::on<CompareWindow>(
        [&](CompareWindow &c) { return record(c), int(QDialog::Rejected); });
    LanguageSettings::setRestartNoticeHandler([&](QMessageBox &box) { record(box); });

    if (dialog == "open") {
        bar->setLoadingAllowed(true);
        bar->loadConfigFile();
    } else if (dialog == "save" || dialog == "question") {
        bar->saveConfigFile(); // the question: the file exists, replace it?
    } else if (dialog == "preview") {
        DeviceParameters &now = window->serialLink()->parameters();
        DeviceParameters after = now;
        after.setByteAt(0, quint8(after.byteAt(0) + 1));
        ChangePreview::confirm(window, "Load model.conf", now, after);
    } else if (dialog == "history") {
        bar->showHistory();
    } else if (dialog == "guided") {
        // Every step's page, as the guide shows it over the window.
        window->showGuidedSetup();
        GuidedSetup *guide = window->guidedSetup();
        QVERIFY(guide);
        auto *steps = guide->findChild<QStackedWidget *>();
        for (int i = 0; i < steps->count() - 1; ++i) {
            steps->setCurrentIndex(i);
            measured += measure(*guide);
        }
        steps->setCurrentIndex(steps->count() - 1);
        record(*guide);
    } else if (dialog == "compare") {
        const DeviceParameters &now = window->serialLink()->parameters();
        DeviceParameters other = now;
        other.setByteAt(0, quint8(other.byteAt(0) + 1));
        using Kind = CompareWindow::Side::Kind;
        CompareWindow view(
            now,
            {{Kind::Unit, "unit", now, QString()}, {Kind::File, "model.conf", other, existing}}, 0,
            1, window, {}, [](const CompareWindow::Side &, QWidget *) { return false; });
        ModalDialog::exec(view);
    } else if (dialog == "notice") {
        QVERIFY(QMetaObject::invokeMethod(
            window, language == LanguageSettings::English ? "langChangeToZh" : "langChangeToEn"));
    }

    QVERIFY2(measured.size() >= 2, "the dialog should show a text and a button");
    QStringList faults, figures;
    for (const Measured &m : measured) {
        figures << QStringLiteral("%1 %2").arg(m.ratio, 0, 'f', 2).arg(m.text.simplified());
        if (m.ratio < 4.5)
            faults << figures.last();
    }
    qInfo().noquote() << "lowest:"
                      << std::min_element(measured.cbegin(), measured.cend(), [](auto &a, auto &b) {
                             return a.ratio < b.ratio;
                         })->ratio;
    QVERIFY2(faults.isEmpty(), qPrintable("below 4.5:1:\n" + faults.join('\n')));
    QVERIFY2(!insideWindow.contains(false), "a dialog opened outside the window");
}

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
