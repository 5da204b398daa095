#include "ChannelReadouts.h"

#include "CapturedBackground.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

namespace {
// More than a read-out can show in one look; reached only when the look
// keeps changing, and then the old pictures are no use.
constexpr int MostPictures = 600;
} // namespace

ChannelReadouts::ChannelReadouts(const QList<QLineEdit *> &edits, QObject *parent) : QObject(parent)
{
    readouts.reserve(edits.size());
    for (QLineEdit *edit : edits) {
        readouts.push_back({edit, new CapturedBackground(edit), {}});
        edit->installEventFilter(this);
        // Pictures are taken when a number changes, never while painting.
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { takePicture(readoutOf(edit)); });
    }
}

ChannelReadouts::Readout &ChannelReadouts::readoutOf(const QObject *edit)
{
    return *std::find_if(readouts.begin(), readouts.end(),
                         [edit](const Readout &r) { return r.edit == edit; });
}

QString ChannelReadouts::pictureKey(Readout &readout)
{
    // Everything the line edit's own painting depends on while it paints
    // from pictures (no focus, no selection, read-only). The palette by its
    // colours: each widget holds its own copy of the same one.
    const QLineEdit *edit = readout.edit;
    if (readout.look.isEmpty() || readout.lookRatio != edit->devicePixelRatio()) {
        readout.lookRatio = edit->devicePixelRatio();
        const QPalette &palette = edit->palette();
        QString colours;
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::Base, QPalette::Window, QPalette::WindowText,
              QPalette::Button, QPalette::PlaceholderText})
            colours += QString::number(palette.color(role).rgba(), 16) + QLatin1Char(',');
        readout.look = QStringLiteral("%1x%2@%3|%4|%5|%6|%7|%8|")
                           .arg(edit->width())
                           .arg(edit->height())
                           .arg(readout.lookRatio)
                           .arg(edit->isEnabled())
                           .arg(colours, edit->font().key(), edit->styleSheet())
                           .arg(int(edit->alignment()));
    }
    return readout.look + edit->text();
}

bool ChannelReadouts::paintsItself(const QLineEdit *edit)
{
    return edit->hasFocus() || edit->hasSelectedText() || !edit->isReadOnly() ||
           edit->echoMode() != QLineEdit::Normal;
}

void ChannelReadouts::takePicture(Readout &readout)
{
    QLineEdit *edit = readout.edit;
    if (paintsItself(edit) || edit->size().isEmpty())
        return;
    const QString key = pictureKey(readout);
    if (pictures.contains(key))
        return;
    if (pictures.size() >= MostPictures)
        pictures.clear();
    const qreal ratio = edit->devicePixelRatio();
    QPixmap picture(edit->size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    drawing = edit;
    edit->render(&picture, QPoint(), QRegion(), QWidget::RenderFlags());
    drawing = nullptr;
    pictures.insert(key, picture);
}

bool ChannelReadouts::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::EnabledChange:
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
        readoutOf(watched).look.clear();
        return false;
    case QEvent::Paint:
        break;
    default:
        return false;
    }
    if (watched == drawing)
        return false;
    Readout &readout = readoutOf(watched);
    QLineEdit *edit = readout.edit;
    const auto picture =
        paintsItself(edit) ? pictures.constEnd() : pictures.constFind(pictureKey(readout));
    QPainter painter(edit);
    painter.drawPixmap(0, 0, readout.background->picture());
    if (picture == pictures.constEnd()) {
        // A new look is drawn anew, and pictured at the next number.
        painter.end();
        return false;
    }
    painter.drawPixmap(0, 0, *picture);
    return true;
}
