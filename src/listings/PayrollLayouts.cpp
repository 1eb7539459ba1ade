// The bordereau B2 and the payrolls S1 and S4.

#include "listings/LayoutFonts.h"
#include "listings/ListingLayouts.h"

namespace kovara::report {

using namespace fonts;

Layout BordereauLayout()
{
    Layout l;
    l.name = QStringLiteral("B2");
    l.printTitle = QStringLiteral("BODEROU");
    l.orientation = Orientation::Landscape;
    l.zoom = Zoom::Actual;
    l.bands = {
        TitleBand(17.7,
                  {
                      NamedLabel("Titlu1", 2.1, Centred(), F12B),
                      NamedLabel("Titlu2", 6.9, Centred(), F12B,
                                 "SI ALOCATII DE STAT PENTRU COPII, CONFORM O.U.G. 148/2005"),
                      NamedLabel("PerioadaB", 12.2, Centred(), F10B),
                  }),
        HeaderBand(6.9,
                   {
                       Label("Nr.crt.", 1.1, L(0), F10),
                       Label("TIP  Numele si prenumele", 1.1, L(14.8), F10),
                       Label("C.N.P.", 1.1, L(88.9), F10),
                       Label("Adresa", 1.1, L(108.0), F10),
                       Label("Copil", 1.1, L(167.2), F10),
                       Label("C.N.P.", 1.1, L(226.5), F10),
                       Label("Cerere nr./ din data", 1.1, BandRight(), F10),
                   }),
        DetailBand(5.3,
                   {
                       DetailNumber(1.1, R(9.5), F9),
                       Field("TIP", 1.1, L(14.8), F9),
                       Field("SUBSEMN", 1.1, L(21.2), F9, {.width = 57.4, .wrap = true, .stretch = true}),
                       Field("CNP", 1.1, R(104.8), F9),
                       Field("ADRESA", 1.1, L(108.0), F9, {.width = 57.4, .wrap = true, .stretch = true}),
                       Field("COPIL", 1.1, L(167.2), F9, {.width = 51.1, .wrap = true, .stretch = true}),
                       Field("CNPC", 1.1, R(243.2), F9),
                       Field("NR", 1.1, R(254.8), F9),
                       Label("/", 1.1, L(256.1), F10),
                       Field("DINDATA", 1.1, L(258.2), F9),
                   }),
        SummaryBand(19.6,
                    {
                        Label("Primar,", 2.1, L(27.5), F10B),
                        NamedLabel("PrimarB", 6.3, L(27.5), F10B),
                        Label("Intocmit,", 8.5, L(97.4), F10),
                        NamedLabel("Intocmit2", 12.7, L(97.4), F10),
                        Label("Secretar,", 2.1, L(148.2), F10B),
                        NamedLabel("SecretarB", 6.3, L(148.2), F10B),
                    }),
    };
    return l;
}

Layout NewbornPayrollLayout()
{
    Layout l;
    l.name = QStringLiteral("S1");
    l.orientation = Orientation::Portrait;
    l.zoom = Zoom::Actual;
    l.bands = {
        TitleBand(28.3,
                  {
                      Label("ROMANIA", 0, BandLeft(), F11B),
                      NamedLabel("JUD3", 4.2, BandLeft(), F11B),
                      NamedLabel("PRIMARIA3", 8.5, BandLeft(), F11B),
                      Label("STAT DE PLATA", 12.7, Centred(), F16B),
                      NamedLabel("per3", 19.1, Centred(), F12B),
                  }),
        HeaderBand(10.6,
                   {
                       Label("Nr.", 0.5, BandLeft(), F10),
                       Label("crt.", 4.8, BandLeft(), F10),
                       Label("Numele si prenumele", 0.5, L(8.5), F10),
                       Label("beneficiarului", 4.8, L(8.5), F10),
                       Label("C.N.P.", 0.5, L(80.4), F10),
                       Label("beneficiar", 4.8, L(76.2), F10),
                       Label("Domiciliul", 0.5, L(93.1), F10),
                       Label("B.I./C.I.", 0.5, L(139.7), F10),
                       Label("beneficiar", 4.8, L(139.7), F10),
                       Label("Suma", 0.5, L(158.8), F10),
                       Label("acordata", 4.8, L(158.8), F10),
                       Label("Semnatura", 0.5, BandRight(), F10),
                   }),
        DetailBand(6.3,
                   {
                       DetailNumber(1.1, R(5.6), F9),
                       Field("SUBSEMN", 1.1, L(8.5), F9, {.width = 57.4, .wrap = true}),
                       Field("CNP", 1.1, R(90.5), F9),
                       Field("ADRESA", 1.1, L(93.1), F9, {.width = 48.9, .wrap = true}),
                       Field("CUANTUM", 1.1, R(171.2), F9),
                   }),
        SummaryBand(29.6,
                    {
                        Label("TOTAL :", 1.1, L(135.5), F10B),
                        Sum("CUANTUM", 1.1, R(170.9), F10B),
                        Label("PRIMAR,", 7.4, L(4.2), F10B),
                        NamedLabel("PRIM3", 11.6, L(4.2), F10B),
                        Label("DIRECTOR,", 7.4, L(120.7), F10B),
                        NamedLabel("DIR3", 11.6, L(120.7), F10B),
                        Label("INTOCMIT,", 20.1, L(67.7), F10B),
                        NamedLabel("INTOCMIT3", 24.3, L(52.9), F10B),
                    }),
    };
    return l;
}

Layout LayettePayrollLayout()
{
    Layout l;
    l.name = QStringLiteral("S4");
    l.orientation = Orientation::Portrait;
    l.marginLeft = 25;
    l.zoom = Zoom::Actual;
    l.bands = {
        TitleBand(32.5,
                  {
                      Label("ROMANIA", 0, BandLeft(), F11B),
                      NamedLabel("Judet", 4.2, BandLeft(), F11B),
                      NamedLabel("Primaria", 8.5, BandLeft(), F11B),
                      Label("STAT DE PLATA", 14.8, Centred(), F16B),
                      NamedLabel("Perioada", 23.3, Centred(), F12B),
                  }),
        HeaderBand(10.6,
                   {
                       Label("Nr.", 1.1, BandLeft(), F10),
                       Label("crt.", 4.8, BandLeft(), F10),
                       Label("Numele si prenumele", 1.1, L(8.5), F10),
                       Label("beneficiarului", 4.8, L(8.5), F10),
                       Label("C.N.P.", 1.1, L(86.8), F10),
                       Label("beneficiar", 4.8, L(84.7), F10),
                       Label("B.I./C.I.", 1.1, L(105.8), F10),
                       Label("beneficiar", 4.8, L(105.8), F10),
                       Label("Suma", 1.1, L(129.1), F10),
                       Label("acordata", 4.8, L(129.1), F10),
                       Label("Semnatura", 2.6, R(168.8), F10),
                   }),
        DetailBand(6.3,
                   {
                       DetailNumber(1.1, R(5.6), F9),
                       Field("SUBSEMN", 1.1, L(8.5), F9),
                       Field("CNP", 1.1, R(103.2), F9),
                       Field("CUANTUM", 1.1, R(141.6), F9),
                   }),
        SummaryBand(29.6,
                    {
                        Label("TOTAL :", 1.1, L(105.8), F10B),
                        Sum("CUANTUM", 1.1, R(141.3), F10B),
                        Label("LEI", 1.1, L(143.9), F10B),
                        Label("PRIMAR,", 7.4, L(4.2), F10B),
                        NamedLabel("Primar", 11.6, L(4.2), F10B),
                        Label("DIRECTOR,", 7.4, L(105.8), F10B),
                        NamedLabel("Director", 11.6, L(105.8), F10B),
                        Label("INTOCMIT,", 20.1, L(57.1), F10B),
                        NamedLabel("Intocmit", 24.3, L(57.1), F10B),
                    }),
    };
    return l;
}

} // namespace kovara::report
