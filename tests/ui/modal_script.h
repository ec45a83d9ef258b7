#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Answers modal windows as they appear, one scripted step per window, in order. A step
// runs queued, so it may open further modal windows itself. A modal window that no step
// expects is recorded and closed after a while, so a test fails instead of hanging.
class ModalScript : public QObject {
public:
    ModalScript() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        m_timer.start();
    }

    template <class T> ModalScript& on(std::function<void(T*)> action) {
        m_steps.push_back([this, action](QWidget* w) {
            T* t = qobject_cast<T*>(w);
            if (!t)
                return false;
            QTimer::singleShot(0, t, [this, action, t] {
                action(t);
                m_busy = nullptr; // the window may take the next step now
            });
            return true;
        });
        return *this;
    }

    bool finished() const { return m_steps.empty(); }
    QStringList unexpected;

private:
    void tick() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || w == m_busy) {
            m_stuck.invalidate();
            return;
        }
        if (!m_steps.empty() && m_steps.front()(w)) {
            m_steps.pop_front();
            m_busy = w; // its step is queued or running
            m_stuck.invalidate();
            return;
        }
        if (!m_stuck.isValid())
            m_stuck.start();
        else if (m_stuck.elapsed() > 3000) {
            unexpected << QString::fromLatin1(w->metaObject()->className());
            if (auto* d = qobject_cast<QDialog*>(w))
                d->done(2);
            else
                w->close();
        }
    }

    std::deque<std::function<bool(QWidget*)>> m_steps;
    QTimer m_timer;
    QWidget* m_busy = nullptr;
    QElapsedTimer m_stuck;
};
