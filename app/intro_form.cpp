#include "app/intro_form.h"

#include "app/global_state.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

TIntroForm::TIntroForm(const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen),
      m_bild(new QLabel(this)) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(pal);
    resize(515, 302);
    // A missing picture leaves the plain blue box.
    QPixmap picture(TrailingSeparator(programFolder) + QStringLiteral("DATA") + QDir::separator() +
                    QStringLiteral("splash.bmp"));
    if (!picture.isNull()) {
        m_bild->setPixmap(picture);
        m_bild->setGeometry(0, 0, picture.width(), picture.height());
        resize(picture.size());
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect g = screen->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}
