#pragma once

#include <QHash>
#include <QObject>
#include <QPixmap>

#include <vector>

class CapturedBackground;
class QLineEdit;

// Paints the channel monitor's read-outs (read-only line edits whose numbers
// telemetry changes ten times a second) from pictures the line edits drew of
// themselves, one per number and look: the style sheet's rounded, bordered
// panel then costs one picture copy instead of being drawn anew. What lies
// under each read-out is captured once as well (CapturedBackground). A
// read-out the pilot has focused or selected text in paints itself.
class ChannelReadouts : public QObject
{
public:
    explicit ChannelReadouts(const QList<QLineEdit *> &edits, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Readout
    {
        QLineEdit *edit;
        CapturedBackground *background;
        QString look; // worked out again after a change of look, not per number
        qreal lookRatio = 0;
    };
    Readout &readoutOf(const QObject *edit);
    QString pictureKey(Readout &readout);
    static bool paintsItself(const QLineEdit *edit);
    void takePicture(Readout &readout);

    std::vector<Readout> readouts;
    // Shared by the read-outs, which look alike: a value seen on one is
    // drawn on all from the same picture. A stick's travel has 251 values.
    QHash<QString, QPixmap> pictures;
    QLineEdit *drawing = nullptr;
};
