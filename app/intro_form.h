#pragma once

#include <QLabel>
#include <QWidget>

// The splash: borderless, on top, blue, 515 x 302 unless its picture says otherwise.
class TIntroForm : public QWidget {
    Q_OBJECT
public:
    explicit TIntroForm(const QString& programFolder, QWidget* parent = nullptr);
    bool hasPicture() const { return !m_bild->pixmap().isNull(); }

private:
    QLabel* m_bild;
};
