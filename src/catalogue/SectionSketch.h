#pragma once
// Vector sketches of the cross-sections: each family and arrangement drawn as
// an engineer would sketch it, steel shaded, with the principal axes x and y.
// Used by the catalogue window, the section type chooser and the results window.

#include <QPixmap>
#include <QWidget>

enum class SketchKind {
    EqualAngle,         // one equal angle (catalogue tab)
    EqualAnglesT,       // type 1: two equal angles back to back on a gusset
    EqualAnglesCross,   // type 2: two equal angles crossed
    UnequalAngle,       // one unequal angle (catalogue tab)
    UnequalShortLegsOn, // type 3: the short legs on the gusset
    UnequalLongLegsOn,  // type 4: the long legs on the gusset
    Tee,                // type 5
    SquareHollow,       // type 6
    RectHollowUpright,  // type 7: the long side vertical
    RectHollowFlat,     // type 8: turned by a quarter
    Pipe                // type 9
};

// The sketch of a section type 1 … 9.
SketchKind sketchForSechType(int sechType);

// Draws a sketch into `area`.
void drawSection(class QPainter& painter, const QRectF& area, SketchKind kind);

// The sketch as a picture of the given size (transparent background).
QPixmap sectionPixmap(SketchKind kind, QSize size);

class SectionSketch : public QWidget {
    Q_OBJECT
public:
    explicit SectionSketch(SketchKind kind, QWidget* parent = nullptr);
    SketchKind kind() const { return kind_; }
    void setKind(SketchKind kind);
    QSize sizeHint() const override { return {100, 100}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SketchKind kind_;
};
