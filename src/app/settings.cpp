#include "app/settings.h"

Settings g_settings;

uint32_t colour_ref(Colour c)
{
    return uint32_t(c.red) + uint32_t(c.green) * 256u + uint32_t(c.blue) * 65536u;
}
