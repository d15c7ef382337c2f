#include "platform/gtk/gtk_icons.h"

#include "shell/resources/icon_pictures.h"

#include <vector>

GdkPixbuf* gtk_icon_picture(bool large) {
    const std::vector<uint8_t> pixels = draw_icon_picture(large);
    const int size = static_cast<int>(icon_picture_size(large));
    GdkPixbuf* const pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, size, size);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    guchar* const data = gdk_pixbuf_get_pixels(pixbuf);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const uint8_t index = pixels[static_cast<size_t>(y * size + x)];
            guchar* const pixel = data + y * stride + x * 4;
            for (int channel = 0; channel < 3; ++channel) {
                pixel[channel] = index == icon_transparent ? 0 : icon_palette[index][channel];
            }
            pixel[3] = index == icon_transparent ? 0 : 255;
        }
    }
    return pixbuf;
}
