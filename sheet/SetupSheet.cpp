#include "SetupSheet.h"

#include "ConfigFile.h"
#include "ModelParameters.h"
#include "ParameterCaption.h"
#include "Picture.h"
#include "UnitHistory.h"
#include "UnitModel.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

constexpr double MarginMm = 14;
constexpr double ColumnGapMm = 8;
constexpr double RowMm = 4.7;
constexpr double TabHeadingMm = 6.5;
constexpr double PageHeadingMm = 9.0;
constexpr double PictureMm = 34;
const QChar Minus(0x2212);

// Grey levels only: a black-and-white printer keeps every distinction.
const QColor Ink(Qt::black);
const QColor Band(0xe4, 0xe4, 0xe4);
const QColor Stripe(0xf3, 0xf3, 0xf3);
const QColor Rule(0x80, 0x80, 0x80);

QString dateText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font;
    // The Chinese face first in Chinese, so Latin digits and CJK captions
    // come from one family and sit on one baseline. Droid Sans Fallback
    // before Noto Sans CJK: Noto shares glyphs between ideographs and their
    // radicals, so text copied out of the PDF ("方" read back as the radical
    // "⽅") would no longer be what the page says. Noto still gives the bold.
    const QStringList latin = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")};
    const QStringList cjk = {QStringLiteral("Droid Sans Fallback"),
                             QStringLiteral("Noto Sans CJK SC")};
    font.setFamilies(QLocale().language() == QLocale::Chinese ? cjk + latin : latin + cjk);
    font.setPointSizeF(points);
    font.setBold(bold);
    // No "fi" ligatures: text copied out of the PDF reads as typed.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The pictures with words in them exist in Chinese too, as on the pages.
QString picturePath(const QString &path)
{
    const bool chinese = QLocale().language() == QLocale::Chinese;
    return (chinese ? QStringLiteral(":/images/zh/") : QStringLiteral(":/images/")) + path;
}

QString mountPicture(int code)
{
    int count = 0;
    const int *codes = ParameterCaption::mountingCodes(&count);
    const int *found = std::find(codes, codes + count, code);
    if (found == codes + count)
        return QString();
    return picturePath(QStringLiteral("mount/mount%1_checked.png").arg(found - codes + 1));
}

QString swashPicture(int code)
{
    // By model_type code, from 1 on, as the swash type list names them.
    static const char *const names[] = {"mixer", "120ccpm", "135ccpm", "140ccpm", "90ccpm"};
    if (code < 1 || code > 5)
        return QString();
    return picturePath(QStringLiteral("swash/sc_%1_check.png").arg(QLatin1String(names[code - 1])));
}

struct Item
{
    enum Kind
    {
        PageHeading,
        TabHeading,
        Row,
    } kind;
    QString caption;
    QString value;
    bool missing = false;
};

// Where one item lands: its page and its box in millimetres.
struct Placed
{
    int page;
    QRectF box;
    const Item *item;
    bool striped;
};

double heightOf(Item::Kind kind)
{
    switch (kind) {
    case Item::PageHeading:
        return PageHeadingMm;
    case Item::TabHeading:
        return TabHeadingMm;
    case Item::Row:
        return RowMm;
    }
    return RowMm;
}

// Flows the items down two columns and on to a further page. A heading is
// never left at the foot of a column without the first row under it.
QVector<Placed> flow(const QVector<Item> &items, const QSizeF &page, double firstTop,
                     double laterTop)
{
    const double bottom = page.height() - MarginMm - 6; // room for the footer
    const double columnWidth = (page.width() - 2 * MarginMm - ColumnGapMm) / 2;
    QVector<Placed> placed;
    int pageIndex = 0;
    int column = 0;
    double top = firstTop;
    double y = top;
    bool striped = false;
    for (int i = 0; i < items.size(); ++i) {
        double needed = heightOf(items[i].kind);
        for (int j = i + 1; j < items.size() && items[j - 1].kind != Item::Row; ++j)
            needed += heightOf(items[j].kind);
        if (y + needed > bottom && y > top) {
            if (++column == 2) {
                column = 0;
                ++pageIndex;
                top = laterTop;
            }
            y = top;
        }
        const double x = MarginMm + column * (columnWidth + ColumnGapMm);
        const double height = heightOf(items[i].kind);
        striped = items[i].kind == Item::Row ? !striped : false;
        placed.append({pageIndex, QRectF(x, y, columnWidth, height), &items[i], striped});
        y += height;
    }
    return placed;
}

QVector<Item> itemsOf(const SetupSheet::Source &source)
{
    QVector<Item> items;
    QString page;
    QString tab;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (!ModelParameters::uses(source.model, row.offset))
            continue;
        if (row.pageName() != page) {
            page = row.pageName();
            tab.clear();
            items.append({Item::PageHeading, page, QString(), false});
        }
        if (row.tabName() != tab) {
            tab = row.tabName();
            items.append({Item::TabHeading, tab, QString(), false});
        }
        items.append({Item::Row, row.text(), SetupSheet::printedValue(source, row.offset),
                      source.missing.contains(row.offset)});
    }
    return items;
}

// Paints in millimetres on any device: printers and PDF writers differ in
// resolution only.
class Painter
{
public:
    Painter(QPainter &painter, double unitsPerMm) : p(painter), mm(unitsPerMm) {}

    QRectF device(const QRectF &box) const
    {
        return QRectF(box.x() * mm, box.y() * mm, box.width() * mm, box.height() * mm);
    }
    void text(const QRectF &box, const QString &text, const QFont &font,
              int flags = Qt::AlignLeft | Qt::AlignVCenter)
    {
        p.setFont(font);
        p.setPen(Ink);
        p.drawText(device(box), flags | Qt::TextSingleLine, text);
    }
    void fill(const QRectF &box, const QColor &color) { p.fillRect(device(box), color); }
    void line(double x1, double y1, double x2, double y2, double widthMm = 0.2)
    {
        p.setPen(QPen(Rule, widthMm * mm));
        p.drawLine(QPointF(x1 * mm, y1 * mm), QPointF(x2 * mm, y2 * mm));
    }
    void frame(const QRectF &box, double widthMm)
    {
        p.setPen(QPen(Ink, widthMm * mm));
        p.setBrush(Qt::NoBrush);
        p.drawRect(device(box));
    }
    void picture(const QRectF &box, const QString &path)
    {
        if (path.isEmpty())
            return;
        // The large variant, for print resolution.
        const QImage image = Picture::image(path, 2);
        p.drawImage(device(box), image);
    }
    // The width of `text` in millimetres.
    double width(const QString &text, const QFont &font) const
    {
        return QFontMetricsF(font, p.device()).horizontalAdvance(text) / mm;
    }

private:
    QPainter &p;
    double mm;
};

} // namespace

QString SetupSheet::printedValue(const Source &source, int offset)
{
    if (source.missing.contains(offset))
        return tr("not in the file");
    const ParameterCaption *row = ParameterCaption::forOffset(offset);
    const int value = source.record.byteAt(offset);
    QString text = row ? row->valueText(value) : QString::number(value);
    if (text.startsWith(QLatin1Char('-')))
        text[0] = Minus;
    return text;
}

ConfigResult SetupSheet::readFile(const QString &fileName, Source &source)
{
    // Read beside the running window, then laid over two records that differ
    // in every byte: a field that comes out different was not in the file.
    const ConfigFile::Contents contents = ConfigFile::readWhileRunning(fileName);
    if (!contents.result.ok())
        return contents.result;
    const ConfigResult &result = contents.result;
    DeviceParameters zeros;
    DeviceParameters ones;
    std::memset(zeros.bytes(), 0, DeviceParameters::Size);
    std::memset(ones.bytes(), 0xff, DeviceParameters::Size);
    contents.applyTo(zeros);
    contents.applyTo(ones);
    source = Source();
    source.record = zeros;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (zeros.byteAt(row.offset) != ones.byteAt(row.offset))
            source.missing.insert(row.offset);
    }
    const QFileInfo info(fileName);
    source.name = info.fileName();
    const UnitHistory folder(info.absolutePath());
    for (const UnitHistory::Entry &entry : folder.entries()) {
        if (QFileInfo(entry.path) != info)
            continue;
        for (quint8 model : {UnitModel::X1, UnitModel::A1}) {
            if (UnitModel::name(model) == entry.model)
                source.model = model;
        }
        source.firmware = entry.firmware;
        source.recorded = entry.time;
        // The entry before a guided setup is the unit as it was read.
        source.note = entry.kind == UnitHistory::Kind::Flashed ? tr("Written to the unit's flash")
                                                               : tr("Read from the unit");
    }
    // The pilot's own name for it first ("before maiden").
    const QString own = UnitHistory::note(fileName);
    if (!own.isEmpty())
        source.note = source.note.isEmpty() ? own : tr("%1 · %2").arg(own, source.note);
    return result;
}

SetupSheet::SetupSheet(const Source &what, const QDateTime &when) : source(what), printed(when) {}

bool SetupSheet::writePdf(const QString &fileName) const
{
    QPdfWriter writer(fileName);
    writer.setResolution(600);
    writer.setCreator(QStringLiteral("VRN Assistant"));
    writer.setTitle(tr("Setup sheet: %1").arg(source.name));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return paint(writer) > 0;
}

void SetupSheet::print(QPrinter &printer) const
{
    printer.setFullPage(true);
    paint(printer);
}

int SetupSheet::paint(QPagedPaintDevice &device) const
{
    const QRectF pageMm = device.pageLayout().fullRect(QPageLayout::Millimeter);
    if (pageMm.width() <= 0)
        return 0;
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Painter draw(painter, device.width() / pageMm.width());
    const QSizeF page = pageMm.size();
    const double right = page.width() - MarginMm;

    const QFont title = sheetFont(15, true);
    const QFont label = sheetFont(8.5);
    const QFont strong = sheetFont(8.5, true);
    const QFont heading = sheetFont(11, true);
    const QFont small = sheetFont(7.5);

    // Header: where the values came from, beside the two pictures.
    double y = MarginMm;
    draw.text(QRectF(MarginMm, y, right - MarginMm, 8), tr("Setup sheet"), title);
    y += 10;
    const QString unknown = tr("not known");
    QVector<QPair<QString, QString>> facts = {
        {tr("Unit"), source.model ? UnitModel::name(source.model) : unknown},
        {tr("Firmware"), source.firmware.isEmpty() ? unknown : source.firmware},
        {tr("From"), source.name},
    };
    if (source.recorded.isValid())
        facts.append({tr("Kept"), dateText(source.recorded)});
    if (!source.note.isEmpty())
        facts.append({tr("Note"), source.note});
    facts.append({tr("Printed"), dateText(printed)});
    const double picturesLeft = right - 2 * PictureMm - 4;
    double labelWidth = 0;
    for (const auto &fact : facts)
        labelWidth = std::max(labelWidth, draw.width(fact.first, label));
    for (const auto &fact : facts) {
        draw.text(QRectF(MarginMm, y, labelWidth, RowMm), fact.first, label);
        draw.text(
            QRectF(MarginMm + labelWidth + 3, y, picturesLeft - MarginMm - labelWidth - 5, RowMm),
            fact.second, strong);
        y += RowMm;
    }
    if (source.notInFlash) {
        y += 2;
        const QRectF warning(MarginMm, y, picturesLeft - MarginMm - 4, 12);
        draw.frame(warning, 0.6);
        draw.text(warning.adjusted(3, 0.8, -3, -6), tr("Not written to flash"), strong);
        draw.text(warning.adjusted(3, 5.6, -3, -0.8),
                  tr("The unit loses these values when it is switched off."), small);
        y += warning.height();
    }
    const int swash = source.record.model_type;
    const int mount = source.record.installation;
    const QRectF mountBox(picturesLeft, MarginMm + 10, PictureMm, PictureMm);
    const QRectF swashBox(right - PictureMm, MarginMm + 10, PictureMm, PictureMm);
    draw.picture(mountBox, mountPicture(mount));
    draw.picture(swashBox, swashPicture(swash));
    const ParameterCaption *mountRow =
        ParameterCaption::forOffset(offsetof(DeviceParameters, installation));
    const ParameterCaption *swashRow =
        ParameterCaption::forOffset(offsetof(DeviceParameters, model_type));
    draw.text(QRectF(mountBox.left(), mountBox.bottom() + 0.5, PictureMm, 4),
              mountRow->valueText(mount), small, Qt::AlignHCenter | Qt::AlignVCenter);
    draw.text(QRectF(swashBox.left(), swashBox.bottom() + 0.5, PictureMm, 4),
              swashRow->valueText(swash), small, Qt::AlignHCenter | Qt::AlignVCenter);
    const double bodyTop = std::max(y, mountBox.bottom() + 5) + 3;

    const QVector<Item> items = itemsOf(source);
    const QVector<Placed> placed = flow(items, page, bodyTop, MarginMm + 8);
    const int pages = placed.isEmpty() ? 1 : placed.last().page + 1;
    int current = 0;
    auto footer = [&](int index) {
        draw.line(MarginMm, page.height() - MarginMm - 4, right, page.height() - MarginMm - 4);
        draw.text(QRectF(MarginMm, page.height() - MarginMm - 3.5, right - MarginMm, 4),
                  tr("%1 · page %2 of %3").arg(source.name).arg(index + 1).arg(pages), small,
                  Qt::AlignRight | Qt::AlignVCenter);
    };
    footer(0);
    for (const Placed &at : placed) {
        if (at.page != current) {
            device.newPage();
            current = at.page;
            draw.text(QRectF(MarginMm, MarginMm, right - MarginMm, 6),
                      tr("Setup sheet (continued)"), strong);
            footer(current);
        }
        const QRectF box = at.box;
        switch (at.item->kind) {
        case Item::PageHeading:
            draw.fill(box.adjusted(0, 1.5, 0, -1), Band);
            draw.text(box.adjusted(2, 1.5, -2, -1), at.item->caption, heading);
            break;
        case Item::TabHeading:
            draw.text(box.adjusted(0, 1.5, 0, 0), at.item->caption, strong);
            draw.line(box.left(), box.bottom() - 0.3, box.right(), box.bottom() - 0.3, 0.3);
            break;
        case Item::Row:
            if (at.striped)
                draw.fill(box, Stripe);
            {
                draw.text(box.adjusted(1.5, 0, -1.5, 0), at.item->caption, label);
                // A long caption beside a long value ("SwashPlate Servo Type",
                // "Digital Servo 1520us(333Hz)"): the value gets smaller, never
                // drawn over the caption.
                QFont valueFont = at.item->missing ? label : strong;
                const double room = box.width() - 3 - draw.width(at.item->caption, label) - 2;
                const double needed = draw.width(at.item->value, valueFont);
                if (needed > room && room > 0)
                    valueFont.setPointSizeF(valueFont.pointSizeF() * std::max(0.7, room / needed));
                draw.text(box.adjusted(1.5, 0, -1.5, 0), at.item->value, valueFont,
                          Qt::AlignRight | Qt::AlignVCenter);
                break;
            }
        }
    }
    painter.end();
    return pages;
}
