#include "update/updatehost.h"

#include <cstdlib>

const AnsiString ProductUpdateHost = "update.kovral.example.org";
const AnsiString ReserveUpdateHost = "kovral.tarvik.example.org";

AnsiString UpdateHost(int updServ)
{
    if (const char* replaced = std::getenv("KOVRAL_UPDATE_HOST"); replaced && *replaced)
        return replaced;
    return updServ == 1 ? ReserveUpdateHost : ProductUpdateHost;
}
