#include "ui/own_fenster.h"

#include "app/global_state.h"
#include "ui/daten.h"
#include "ui/host_owner.h"
#include "ui/picture_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

static void initFaces() {
    Q_INIT_RESOURCE(faces);
}

QList<FrameTile> FrameTiles(int width, int height) {
    QList<FrameTile> tiles;
    // Each run draws at least one tile, even when the stretch is shorter than a piece.
    int x = 24;
    do {
        tiles.append({2, x, 0});
        x += 135;
    } while (x < width - 135);
    tiles.append({0, 0, 0});
    tiles.append({3, width - 135, 0});
    int y = 47;
    do {
        tiles.append({7, 0, y});
        tiles.append({1, width - 23, y});
        y += 47;
    } while (y < height - 24);
    x = 23;
    do {
        tiles.append({5, x, height - 24});
        x += 159;
    } while (x < width - 23);
    tiles.append({4, 0, height - 24});
    tiles.append({6, width - 23, height - 24});
    return tiles;
}

QRect CloseBoxRect(int clientWidth) {
    return QRect(clientWidth - 42, 18, 17, 17);
}

int CaptionPointSize(int dotsPerInch) {
    return dotsPerInch <= 100 ? 12 : 96 * 12 / dotsPerInch;
}

// A stand-in drawn in the frame colours for a piece the resource does not hold.
static QPixmap FallbackPiece(int item) {
    const QSize size = FramePieceSizes[item];
    QPixmap piece(size);
    piece.fill(QColor(42, 101, 154));
    QPainter p(&piece);
    p.setPen(QColor(150, 190, 225));
    const int w = size.width(), h = size.height();
    switch (item) {
    case 0:
        p.drawLine(22, h - 1, w - 1, h - 1);
        break;
    case 1:
        p.drawLine(0, h - 1, 0, 0);
        break;
    case 2:
        p.drawLine(0, h - 1, w - 1, h - 1);
        break;
    case 3:
        p.drawLine(0, h - 1, w - 24, h - 1);
        p.fillRect(QRect(60, 16, 52, 21), QColor(28, 70, 110));
        p.setPen(QPen(QColor(215, 250, 240), 2));
        p.setRenderHint(QPainter::Antialiasing);
        p.drawLine(QPointF(96.5, 20.5), QPointF(105.5, 29.5));
        p.drawLine(QPointF(105.5, 20.5), QPointF(96.5, 29.5));
        break;
    case 4:
        p.drawPoint(22, 0);
        break;
    case 5:
        p.drawLine(0, 0, w - 1, 0);
        break;
    case 6:
        p.drawPoint(0, 0);
        break;
    case 7:
        p.drawLine(w - 1, 0, w - 1, h - 1);
        break;
    }
    return piece;
}

QFont ArialPixels(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

static QList<QPixmap>* g_pieces = nullptr; // kept to the end: pixmaps must not outlive the app
static QColor g_captionColour;

QList<QPixmap> TOwnFenster::BMPListe() {
    if (!g_pieces) {
        initFaces();
        g_pieces = new QList<QPixmap>;
        for (int i = 0; i < 8; ++i) {
            QPixmap piece(QStringLiteral(":/frame%1.bmp").arg(i));
            g_pieces->append(piece.isNull() ? FallbackPiece(i) : piece);
        }
    }
    return *g_pieces;
}

void TOwnFenster::setBMPListe(const QList<QPixmap>& pieces) {
    BMPListe();
    for (int i = 0; i < 8; ++i)
        (*g_pieces)[i] = i < pieces.size() && !pieces.at(i).isNull() ? pieces.at(i) : FallbackPiece(i);
}

QColor TOwnFenster::captionColour() {
    return g_captionColour;
}

TOwnFenster::TOwnFenster(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    // FormCreate. Qt has no per-window switch for logical-dpi scaling: pixel fonts and
    // the caption's dpi rule keep the sizes instead.
    g_captionColour = QColor(200, 250, 230);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    ppp = new QWidget(this);
    ppp->setObjectName(QStringLiteral("ppp"));
    ppp->setAutoFillBackground(true);
    QPalette pal = ppp->palette();
    pal.setColor(QPalette::Window, QColor(82, 190, 160));
    ppp->setPalette(pal);
    ppp->setAttribute(Qt::WA_NoMousePropagation); // clicks on the content never reach the frame
    ppp->move(PppOrigin);
    qApp->installEventFilter(this);
}

TOwnFenster::~TOwnFenster() = default;

PictureButton* TOwnFenster::AddButton(QWidget* parent, int x, int y, Faces faces, const QColor& textColour) {
    auto* button = new PictureButton(parent);
    button->setGeometry(x, y, 138, 34);
    button->setFont(ArialPixels(13, true));
    button->setTextColor(textColour);
    m_unboundButtons.append({button, faces});
    return button;
}

// Faces are taken on the first showing: the resource holder may be created after the dialogs.
void TOwnFenster::BindButtonFaces() {
    for (const auto& [button, faces] : std::as_const(m_unboundButtons)) {
        const int base = faces == Faces::Blue ? 3 : 6; // pressed, mouse-over, normal
        button->setFaces(daten().button(base + 2), daten().button(base + 1), daten().button(base));
    }
    m_unboundButtons.clear();
}

void TOwnFenster::setPppSize(int width, int height) {
    ppp->setGeometry(QRect(PppOrigin, QSize(width, height)));
    setFixedSize(width + PppMargins.width(), height + PppMargins.height());
}

void TOwnFenster::CentreInDisplay() {
    const GlobalState& g = globalState();
    move(CentreInDisplayArea(g, frameGeometry().size()));
}

void TOwnFenster::reject() {
    done(2);
}

void TOwnFenster::setVisible(bool visible) {
    if (visible && !isVisible())
        ApplyHostOwner(this);
    QDialog::setVisible(visible);
}

bool TOwnFenster::FormKeyDown(QKeyEvent*) {
    return false;
}

bool TOwnFenster::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && isVisible() &&
        static_cast<QWidget*>(watched)->window() == this)
        return FormKeyDown(static_cast<QKeyEvent*>(event));
    return QDialog::eventFilter(watched, event);
}

void TOwnFenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QList<QPixmap> pieces = BMPListe();
    for (const FrameTile& t : FrameTiles(width(), height()))
        p.drawPixmap(t.x, t.y, pieces.at(t.item));
    const QString caption = windowTitle();
    if (caption.isEmpty())
        return;
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPointSize(CaptionPointSize(logicalDpiY()));
    p.setFont(font);
    p.setPen(g_captionColour);
    p.drawText(QRect(27, 19, qMax(0, width() - 27), FrameTop - 19), Qt::AlignLeft | Qt::AlignTop, caption);
}

void TOwnFenster::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (CloseBoxRect(width()).contains(event->position().toPoint())) {
            done(2);
        } else {
            m_dragging = true;
            m_pressGlobal = event->globalPosition().toPoint();
        }
    }
    QDialog::mousePressEvent(event);
}

void TOwnFenster::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = false;
        m_manualMove = false;
    }
    QDialog::mouseReleaseEvent(event);
}

void TOwnFenster::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        QMouseEvent release(QEvent::MouseButtonRelease, event->position(), event->globalPosition(),
                            Qt::LeftButton, Qt::NoButton, event->modifiers());
        QCoreApplication::sendEvent(this, &release);
        // Without a window manager that can move windows, follow the mouse ourselves.
        if (!windowHandle() || !windowHandle()->startSystemMove()) {
            m_manualMove = true;
            m_moveFromMouse = m_pressGlobal;
            m_moveFromWindow = pos();
        }
    } else if (m_manualMove) {
        if (event->buttons() & Qt::LeftButton)
            move(m_moveFromWindow + event->globalPosition().toPoint() - m_moveFromMouse);
        else
            m_manualMove = false;
    }
    QDialog::mouseMoveEvent(event);
}

void TOwnFenster::showEvent(QShowEvent* event) {
    BindButtonFaces();
    FormShow();
    if (m_centreOnShow)
        CentreInDisplay();
    QDialog::showEvent(event);
}
