#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button drawn from three face pictures (normal, mouse over, pressed) with an
// optional caption; it takes the size of its normal face.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setFaces(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed);
    void setTextColor(const QColor& color);
    QColor textColor() const { return m_textColor; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_normal, m_hover, m_pressed;
    QColor m_textColor = Qt::white;
    bool m_hovered = false;
};
