#include "XConnection.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, FreeReply>;

constexpr std::uint32_t RedMask = 0xFF0000;
constexpr std::uint32_t GreenMask = 0x00FF00;
constexpr std::uint32_t BlueMask = 0x0000FF;

}  // namespace

XConnection::XConnection(const QString& display)
{
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    m_root = screen->root;
    m_width = screen->width_in_pixels;
    m_height = screen->height_in_pixels;
}

XConnection::~XConnection()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool XConnection::trueColour32() const
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (screen->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
            const xcb_visualtype_t* visual = visuals.data;
            if (visual->visual_id == screen->root_visual)
                return visual->red_mask == RedMask && visual->green_mask == GreenMask && visual->blue_mask == BlueMask;
        }
    }
    return false;
}

QImage XConnection::Screenshot() const
{
    if (!m_connection || !trueColour32())
        return {};
    const auto cookie = xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_root, 0, 0,
        static_cast<std::uint16_t>(m_width), static_cast<std::uint16_t>(m_height), ~0u);
    const ReplyPointer<xcb_get_image_reply_t> reply(xcb_get_image_reply(m_connection, cookie, nullptr));
    const qsizetype rowBytes = qsizetype(m_width) * 4;
    if (!reply || xcb_get_image_data_length(reply.get()) != rowBytes * m_height)
        return {};
    // Little-endian BGRX rows are exactly QImage's 32-bit RGB.
    QImage image(m_width, m_height, QImage::Format_RGB32);
    const std::uint8_t* data = xcb_get_image_data(reply.get());
    for (int y = 0; y < m_height; ++y)
        std::memcpy(image.scanLine(y), data + y * rowBytes, static_cast<std::size_t>(rowBytes));
    return image;
}

std::uint32_t XConnection::atom(const char* name) const
{
    const auto cookie = xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const ReplyPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection, cookie, nullptr));
    return reply ? reply->atom : 0;
}

void XConnection::RequestClose(std::uint32_t window) const
{
    if (!m_connection)
        return;
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom("WM_PROTOCOLS");
    message.data.data32[0] = atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(m_connection);
}
