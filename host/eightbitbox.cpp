#include "host/eightbitbox.h"

#include <QAbstractButton>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <unistd.h>
#include <vector>

#include <xcb/xcb.h>

namespace nuyo {

namespace {

// The keys that answer the box, as X keysyms.
constexpr xcb_keysym_t KeyReturn = 0xff0d;
constexpr xcb_keysym_t KeyEnter = 0xff8d; // the keypad's
constexpr xcb_keysym_t KeySpace = 0x0020;
constexpr xcb_keysym_t KeyEscape = 0xff1b;
constexpr xcb_button_t LeftButton = 1;

// The colours asked of the colour map: a ramp of greys for the box's face, frames and the
// smoothed edges of its text, and a small cube of colours for the icon.
constexpr int GreySteps = 16;
constexpr int CubeSteps = 4;

// ICCCM size hints: the flags of a box that keeps its place and size.
constexpr quint32 SizeHintPosition = 1 << 2;
constexpr quint32 SizeHintMinSize = 1 << 4;
constexpr quint32 SizeHintMaxSize = 1 << 5;
constexpr int SizeHintsLength = 18;
// ICCCM window manager hints: the box takes the keyboard focus and opens as a normal window.
constexpr quint32 WmHintInput = 1 << 0;
constexpr quint32 WmHintState = 1 << 1;
constexpr quint32 WmStateNormal = 1;
constexpr int WmHintsLength = 9;

// A reply or event from xcb, which the caller frees.
template <typename T> using XcbPtr = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> XcbPtr<T> own(T *p)
{
    return XcbPtr<T>(p, &std::free);
}

QList<QRgb> wantedColours()
{
    QList<QRgb> colours;
    for (int i = 0; i < GreySteps; ++i) {
        const int v = i * 255 / (GreySteps - 1);
        colours.append(qRgb(v, v, v));
    }
    for (int r = 0; r < CubeSteps; ++r)
        for (int g = 0; g < CubeSteps; ++g)
            for (int b = 0; b < CubeSteps; ++b)
                if (r != g || g != b) // the greys are there already
                    colours.append(
                        qRgb(r * 255 / (CubeSteps - 1), g * 255 / (CubeSteps - 1), b * 255 / (CubeSteps - 1)));
    return colours;
}

// The box as a picture in a plain X window, on a connection of its own.
class PlainBox
{
public:
    explicit PlainBox(QMessageBox &box) : m_box(box) {}
    ~PlainBox()
    {
        if (m_c)
            xcb_disconnect(m_c); // the window, its colours and its drawing context go with it
    }
    PlainBox(const PlainBox &) = delete;
    PlainBox &operator=(const PlainBox &) = delete;

    bool open();
    QAbstractButton *exec();

private:
    xcb_atom_t atom(const char *name);
    void setProperty(xcb_atom_t property, xcb_atom_t type, int format, int count, const void *data);
    void allocateColours();
    void readKeyboard();
    void createWindow();
    void render();
    void paint();
    void handle(const xcb_generic_event_t *event);
    // The events the box answers: its picture shown, the mouse's left button, a key.
    void exposed();
    void pressed(const xcb_button_press_event_t &e);
    void released(const xcb_button_release_event_t &e);
    void keyPressed(const xcb_key_press_event_t &e);
    QAbstractButton *buttonAt(int x, int y) const;
    QAbstractButton *defaultButton() const;
    QAbstractButton *escapeButton() const;

    QMessageBox &m_box;
    xcb_connection_t *m_c = nullptr;
    const xcb_screen_t *m_screen = nullptr;
    int m_stride = 0;                    // bytes of one row of the picture, padded as the server wants
    uint32_t m_bandRows = 0;             // rows of the picture that fit in one request
    QList<QRgb> m_colours;               // the colours the colour map gave ...
    std::vector<uint32_t> m_pixels;      // ... and their pixel values
    std::vector<uint8_t> m_picture;      // the box in pixel values, row after row
    std::vector<xcb_keysym_t> m_keysyms; // the keyboard's map, key code after key code
    int m_keysymsPerCode = 0;
    xcb_window_t m_window = 0;
    xcb_gcontext_t m_gc = 0;
    xcb_atom_t m_wmProtocols = 0;
    xcb_atom_t m_wmDeleteWindow = 0;
    bool m_focusGiven = false;
    QAbstractButton *m_pressed = nullptr; // the button under a held mouse button
    QAbstractButton *m_chosen = nullptr;
};

bool PlainBox::open()
{
    int screenNumber = 0;
    m_c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_c))
        return false;
    const xcb_setup_t *setup = xcb_get_setup(m_c);
    auto roots = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && roots.rem; ++i)
        xcb_screen_next(&roots);
    if (!roots.rem)
        return false;
    m_screen = roots.data;

    // One byte a pixel, each row padded to the server's unit.
    const xcb_format_t *format = nullptr;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == m_screen->root_depth)
            format = f.data;
    if (!format || format->bits_per_pixel != 8)
        return false;
    const int padBytes = format->scanline_pad / 8;

    // Laid out as a shown box would be, then drawn once to learn its size and colours.
    m_box.ensurePolished();
    m_box.adjustSize();
    m_stride = (m_box.width() + padBytes - 1) / padBytes * padBytes;
    const uint32_t maxRequestBytes = xcb_get_maximum_request_length(m_c) * 4;
    m_bandRows = std::max<uint32_t>(1, (maxRequestBytes - sizeof(xcb_put_image_request_t)) / m_stride);

    allocateColours();
    readKeyboard();
    render();
    createWindow();
    return !xcb_connection_has_error(m_c);
}

xcb_atom_t PlainBox::atom(const char *name)
{
    auto reply = own(xcb_intern_atom_reply(m_c, xcb_intern_atom(m_c, 0, qstrlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void PlainBox::setProperty(xcb_atom_t property, xcb_atom_t type, int format, int count, const void *data)
{
    xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, m_window, property, type, format, count, data);
}

void PlainBox::allocateColours()
{
    // Black and white are always there, so the text stays readable in a full colour map.
    m_colours = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    m_pixels = {m_screen->black_pixel, m_screen->white_pixel};
    const QList<QRgb> wanted = wantedColours();
    std::vector<xcb_alloc_color_cookie_t> cookies;
    for (const QRgb c : wanted)
        cookies.push_back(
            xcb_alloc_color(m_c, m_screen->default_colormap, qRed(c) * 257, qGreen(c) * 257, qBlue(c) * 257));
    for (const auto &cookie : cookies) {
        xcb_generic_error_t *error = nullptr;
        auto reply = own(xcb_alloc_color_reply(m_c, cookie, &error));
        std::free(error); // the colour map is full: the nearest colour given stands in
        if (!reply)
            continue;
        m_colours.append(qRgb(reply->red >> 8, reply->green >> 8, reply->blue >> 8));
        m_pixels.push_back(reply->pixel);
    }
}

void PlainBox::readKeyboard()
{
    const xcb_setup_t *setup = xcb_get_setup(m_c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    auto reply =
        own(xcb_get_keyboard_mapping_reply(m_c, xcb_get_keyboard_mapping(m_c, setup->min_keycode, count), nullptr));
    if (!reply)
        return;
    const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(reply.get());
    m_keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
    m_keysymsPerCode = reply->keysyms_per_keycode;
}

void PlainBox::createWindow()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int w = m_box.width();
    const int h = m_box.height();
    m_window = xcb_generate_id(m_c);
    // The background is the box's face, so that nothing flashes before the picture is put.
    const uint32_t values[] = {m_picture.empty() ? m_screen->white_pixel : m_picture[0],
                               XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_KEY_PRESS | XCB_EVENT_MASK_BUTTON_PRESS |
                                   XCB_EVENT_MASK_BUTTON_RELEASE};
    xcb_create_window(m_c, XCB_COPY_FROM_PARENT, m_window, m_screen->root, area.x() + (area.width() - w) / 2,
                      area.y() + (area.height() - h) / 2, w, h, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    m_gc = xcb_generate_id(m_c);
    xcb_create_gc(m_c, m_gc, m_window, 0, nullptr);

    // What the window manager and the desktop's tools read: caption, owner, kind, size.
    const QByteArray caption = m_box.windowTitle().toUtf8();
    const xcb_atom_t utf8 = atom("UTF8_STRING");
    setProperty(XCB_ATOM_WM_NAME, utf8, 8, caption.size(), caption.constData());
    setProperty(atom("_NET_WM_NAME"), utf8, 8, caption.size(), caption.constData());
    const char wmClass[] = "nuyo\0nuyo";
    setProperty(XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof wmClass, wmClass);
    const uint32_t pid = static_cast<uint32_t>(::getpid());
    setProperty(atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 32, 1, &pid);
    const xcb_atom_t dialog = atom("_NET_WM_WINDOW_TYPE_DIALOG");
    setProperty(atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &dialog);
    m_wmProtocols = atom("WM_PROTOCOLS");
    m_wmDeleteWindow = atom("WM_DELETE_WINDOW");
    setProperty(m_wmProtocols, XCB_ATOM_ATOM, 32, 1, &m_wmDeleteWindow);
    uint32_t sizeHints[SizeHintsLength] = {SizeHintPosition | SizeHintMinSize | SizeHintMaxSize};
    sizeHints[5] = sizeHints[7] = uint32_t(w); // least and greatest width
    sizeHints[6] = sizeHints[8] = uint32_t(h); // and height
    setProperty(XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32, SizeHintsLength, sizeHints);
    const uint32_t wmHints[WmHintsLength] = {WmHintInput | WmHintState, 1, WmStateNormal};
    setProperty(XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32, WmHintsLength, wmHints);

    xcb_map_window(m_c, m_window);
    xcb_flush(m_c);
}

void PlainBox::render()
{
    QImage image(m_box.size(), QImage::Format_RGB32);
    m_box.render(&image);
    // Every pixel takes the nearest colour the colour map gave.
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, m_colours);
    m_picture.assign(size_t(m_stride) * indexed.height(), uint8_t(m_screen->black_pixel));
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *in = indexed.constScanLine(y);
        uint8_t *out = m_picture.data() + size_t(y) * m_stride;
        for (int x = 0; x < indexed.width(); ++x)
            out[x] = uint8_t(m_pixels[in[x]]);
    }
}

void PlainBox::paint()
{
    // In bands of rows, each within the largest request the server takes.
    const int h = m_box.height();
    for (int y = 0; y < h; y += int(m_bandRows)) {
        const int rows = std::min(int(m_bandRows), h - y);
        xcb_put_image(m_c, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_gc, m_box.width(), rows, 0, y, 0,
                      m_screen->root_depth, uint32_t(rows * m_stride), m_picture.data() + size_t(y) * m_stride);
    }
    xcb_flush(m_c);
}

QAbstractButton *PlainBox::buttonAt(int x, int y) const
{
    const QList<QAbstractButton *> buttons = m_box.buttons();
    for (QAbstractButton *b : buttons)
        if (QRect(b->mapTo(&m_box, QPoint(0, 0)), b->size()).contains(x, y))
            return b;
    return nullptr;
}

QAbstractButton *PlainBox::defaultButton() const
{
    if (QPushButton *b = m_box.defaultButton())
        return b;
    const QList<QAbstractButton *> buttons = m_box.buttons();
    return buttons.isEmpty() ? nullptr : buttons.first();
}

QAbstractButton *PlainBox::escapeButton() const
{
    // As the box itself decides: its Escape button, the only button, or the one that declines.
    if (QAbstractButton *b = m_box.escapeButton())
        return b;
    const QList<QAbstractButton *> buttons = m_box.buttons();
    if (buttons.size() == 1)
        return buttons.first();
    for (QAbstractButton *b : buttons) {
        const QMessageBox::ButtonRole role = m_box.buttonRole(b);
        if (role == QMessageBox::RejectRole || role == QMessageBox::NoRole)
            return b;
    }
    return defaultButton();
}

void PlainBox::handle(const xcb_generic_event_t *event)
{
    switch (event->response_type & ~0x80) {
    case XCB_EXPOSE:
        if (reinterpret_cast<const xcb_expose_event_t *>(event)->count == 0)
            exposed();
        break;
    case XCB_BUTTON_PRESS:
        pressed(*reinterpret_cast<const xcb_button_press_event_t *>(event));
        break;
    case XCB_BUTTON_RELEASE:
        released(*reinterpret_cast<const xcb_button_release_event_t *>(event));
        break;
    case XCB_KEY_PRESS:
        keyPressed(*reinterpret_cast<const xcb_key_press_event_t *>(event));
        break;
    case XCB_CLIENT_MESSAGE: {
        const auto *e = reinterpret_cast<const xcb_client_message_event_t *>(event);
        if (e->type == m_wmProtocols && e->data.data32[0] == m_wmDeleteWindow)
            m_chosen = escapeButton(); // the close button of the window's frame
        break;
    }
    default:
        break;
    }
}

void PlainBox::exposed()
{
    paint();
    if (!m_focusGiven) {
        // Without a window manager nobody else gives the box the keyboard.
        m_focusGiven = true;
        xcb_set_input_focus(m_c, XCB_INPUT_FOCUS_PARENT, m_window, XCB_CURRENT_TIME);
        xcb_flush(m_c);
    }
}

void PlainBox::pressed(const xcb_button_press_event_t &e)
{
    if (e.detail != LeftButton || !(m_pressed = buttonAt(e.event_x, e.event_y)))
        return;
    m_pressed->setDown(true);
    render();
    paint();
}

void PlainBox::released(const xcb_button_release_event_t &e)
{
    if (e.detail != LeftButton || !m_pressed)
        return;
    m_pressed->setDown(false);
    // A button is chosen when the mouse is let go over the button it went down on.
    if (buttonAt(e.event_x, e.event_y) == m_pressed) {
        m_chosen = m_pressed;
    } else {
        render();
        paint();
    }
    m_pressed = nullptr;
}

void PlainBox::keyPressed(const xcb_key_press_event_t &e)
{
    const size_t at = size_t(e.detail - xcb_get_setup(m_c)->min_keycode) * m_keysymsPerCode;
    const xcb_keysym_t key = at < m_keysyms.size() ? m_keysyms[at] : 0;
    if (key == KeyReturn || key == KeyEnter || key == KeySpace)
        m_chosen = defaultButton();
    else if (key == KeyEscape)
        m_chosen = escapeButton();
}

QAbstractButton *PlainBox::exec()
{
    // Sleeps in Qt's event loop until the X connection has something to read.
    QEventLoop loop;
    QSocketNotifier notifier(xcb_get_file_descriptor(m_c), QSocketNotifier::Read);
    const auto readEvents = [&] {
        while (auto event = own(xcb_poll_for_event(m_c)))
            handle(event.get());
        // A lost display answers as Escape would.
        if (!m_chosen && xcb_connection_has_error(m_c))
            m_chosen = escapeButton();
        if (m_chosen)
            loop.quit();
    };
    QObject::connect(&notifier, &QSocketNotifier::activated, &loop, readEvents);
    readEvents(); // replies may have brought events with them already
    if (!m_chosen)
        loop.exec();
    return m_chosen;
}

} // namespace

bool onEightBitX()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return QGuiApplication::platformName() == QLatin1String("xcb") && screen && screen->depth() == 8;
}

QMessageBox::StandardButton execOnEightBitX(QMessageBox &box)
{
    PlainBox plain(box);
    if (!plain.open())
        return QMessageBox::NoButton;
    return box.standardButton(plain.exec());
}

} // namespace nuyo
