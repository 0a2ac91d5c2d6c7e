#pragma once
// The picture of the member input dialog: the usual end conditions of a
// compressed member with their buckled shapes and effective-length factors μ.

#include <QWidget>

class EffectiveLengthSketch : public QWidget {
    Q_OBJECT
public:
    explicit EffectiveLengthSketch(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
