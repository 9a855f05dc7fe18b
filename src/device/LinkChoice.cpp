#include "device/LinkChoice.h"

namespace vamok {

namespace {

// The sub-radios follow the gateway choice.
LinkRadios Completed(LinkRadios r)
{
    r.PlainVamok = !r.Globe;
    return r;
}

} // namespace

LinkRadios RadiosFromFlags(const AppState& app)
{
    LinkRadios r;
    r.Globe = app.QuadrovanMode;
    r.Rix = app.UsbMode && !app.VentiqMode;
    r.Ventiq = app.VentiqMode;
    r.Altarim = !r.Rix && !r.Ventiq;
    return Completed(r);
}

LinkRadios EnterRadio(const LinkRadios& current, LinkRadio entered, AppState& app)
{
    LinkRadios r = current;
    switch (entered) {
    case LinkRadio::Rix:
        r.Rix = true;
        r.Altarim = r.Ventiq = false;
        app.UsbMode = true;
        app.VentiqMode = false;
        break;
    case LinkRadio::Ventiq:
        r.Ventiq = true;
        r.Altarim = r.Rix = false;
        app.UsbMode = true;
        app.VentiqMode = true;
        break;
    case LinkRadio::Altarim:
        r.Altarim = true;
        r.Rix = r.Ventiq = false;
        app.UsbMode = false;
        app.VentiqMode = false;
        break;
    case LinkRadio::PlainVamok:
    case LinkRadio::Globe:
        r.Altarim = true;
        r.Globe = entered == LinkRadio::Globe;
        r.Rix = r.Ventiq = false;
        app.UsbMode = false;
        app.VentiqMode = false;
        break;
    }
    app.QuadrovanMode = r.Globe;
    return Completed(r);
}

void FlagsFromRadios(const LinkRadios& radios, AppState& app)
{
    app.QuadrovanMode = radios.Globe;
    app.UsbMode = radios.Rix || radios.Ventiq;
    app.VentiqMode = radios.Ventiq;
}

LinkEnabling EnablingFor(const LinkRadios& radios)
{
    return {radios.Altarim, radios.Rix || radios.Ventiq};
}

} // namespace vamok
