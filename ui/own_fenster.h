#pragma once

#include <QDialog>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QRect>

#include <array>

class PictureButton;

// Sizes of the eight frame pieces, by item number.
inline constexpr std::array<QSize, 8> FramePieceSizes = {QSize(24, 47),  QSize(23, 47), QSize(135, 47),
                                                         QSize(135, 47), QSize(23, 24), QSize(159, 24),
                                                         QSize(23, 24),  QSize(23, 47)};

// Frame thicknesses and the offset of the content panel.
inline constexpr int FrameTop = 47, FrameLeft = 23, FrameRight = 23, FrameBottom = 24;
inline constexpr QPoint PppOrigin(23, 47);
inline constexpr QSize PppMargins(46, 71); // client size = ppp size + this

// One piece of the frame placed at (x, y), at its full size.
struct FrameTile {
    int item;
    int x;
    int y;
    bool operator==(const FrameTile&) const = default;
};

// Every piece of the frame of a client area width x height, in painting order: later
// pieces cover earlier ones (corners over their edges, the bottom strip over the sides).
QList<FrameTile> FrameTiles(int width, int height);

// The close box in window coordinates: 17 x 17 pixels at (width - 42, 18).
QRect CloseBoxRect(int clientWidth);

// Point size of the caption font: 12 up to 100 dpi, else 96 * 12 / dpi (truncated).
int CaptionPointSize(int dotsPerInch);

// Arial at a pixel height, the dialogs' font.
QFont ArialPixels(int pixelSize, bool bold);

// The skinned frame every dialog derives from: a frameless window whose border, title
// strip and close box are painted from the eight pieces, around the content panel ppp.
class TOwnFenster : public QDialog {
    Q_OBJECT
public:
    explicit TOwnFenster(QWidget* parent = nullptr);
    ~TOwnFenster() override;

    // Sizes ppp and sets the client size to ppp + (46, 71).
    void setPppSize(int width, int height);
    // Moves the window to the centre of the display area (globalState()).
    void CentreInDisplay();
    bool isDragging() const { return m_dragging; }

    // Escape, the close event and every cancel end with result 2.
    void reject() override;
    void setVisible(bool visible) override;

    // The pieces used by every frame (the compiled-in ones unless replaced, e.g. by a test).
    static QList<QPixmap> BMPListe();
    static void setBMPListe(const QList<QPixmap>& pieces);
    static QColor captionColour();

    QWidget* ppp = nullptr;

protected:
    // Key presses reach this before the focused control; true consumes the key.
    virtual bool FormKeyDown(QKeyEvent* event);
    // Called on every showing before the window is centred: set texts here.
    virtual void FormShow() {}
    void setCentreOnShow(bool centre) { m_centreOnShow = centre; }

    enum class Faces { Blue, Green };
    // A 138 x 34 dialog button; its faces come from the resource holder when first shown.
    PictureButton* AddButton(QWidget* parent, int x, int y, Faces faces, const QColor& textColour);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BindButtonFaces();

    bool m_dragging = false;
    bool m_manualMove = false;
    QPoint m_pressGlobal, m_moveFromMouse, m_moveFromWindow;
    bool m_centreOnShow = true;
    QList<QPair<PictureButton*, Faces>> m_unboundButtons;
};
