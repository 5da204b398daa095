#pragma once

#include <QWidget>

class QPainter;
class QSlider;

// A style sheet that shapes a slider's groove and handle makes the toolkit
// skip its tick marks, so they are painted on a layer over the slider that
// lets the mouse through: on the side the slider's tick position names, at
// the handle's centre for every tick interval from the minimum.
class SliderTicks : public QWidget
{
public:
    explicit SliderTicks(QSlider *slider);

    // Where the marks go along the slider, in its coordinates.
    QList<int> tickPositions() const;
    // The marks, onto a painter in the slider's coordinates.
    void paint(QPainter &painter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QSlider *slider;
    // The positions last worked out, and for which slider shape: asking the
    // style sheet for the handle's geometry costs more than the painting.
    QList<int> positions;
    QList<int> positionsKey;
};
