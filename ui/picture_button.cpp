#include "ui/picture_button.h"

#include <QPainter>

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::setFaces(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed) {
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    if (!m_normal.isNull())
        resize(m_normal.size());
    update();
}

void PictureButton::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

QSize PictureButton::sizeHint() const {
    return m_normal.isNull() ? QSize(138, 34) : m_normal.size();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPixmap& face = isDown() ? m_pressed : (m_hovered ? m_hover : m_normal);
    if (!face.isNull())
        p.drawPixmap(0, 0, face);
    else
        p.fillRect(rect(), QColor(42, 101, 154));
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? m_textColor : m_textColor.darker(160));
        // The pressed face looks pushed in: move the caption with it.
        p.drawText(rect().translated(isDown() ? 1 : 0, isDown() ? 1 : 0), Qt::AlignCenter, text());
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
