// The layette centralizer C4 and the ministry report B3.

#include "listings/LayoutFonts.h"
#include "listings/ListingLayouts.h"

namespace kovara::report {

using namespace fonts;

Layout CentralizerLayout()
{
    Layout l;
    l.name = QStringLiteral("C4");
    l.printTitle = QStringLiteral("BODEROU");
    l.orientation = Orientation::Landscape;
    l.zoom = Zoom::PageWidth;
    l.bands = {
        TitleBand(34.7,
                  {
                      Label("ROMANIA", 0, BandLeft(), F10B),
                      NamedLabel("Judet", 4.2, BandLeft(), F10B),
                      NamedLabel("Primaria", 8.5, BandLeft(), F10B),
                      Label("ANEXA NR.2", 0, BandRight(), F10B),
                      Label("la Instructiuni", 4.2, BandRight(), F10B),
                      Label("SITUATIA CENTRALIZATOARE", 14.8, Centred(), F14B),
                      Label("privind dispozitiile primarului si beneficiarii trusoului pentru nou-nascuti",
                            22.8, Centred(), F12B),
                  }),
        HeaderBand(10.6,
                   {
                       Label("Titularul trusoului", 1.1, BandLeft(), F10B),
                       Label("C.N.P. titular", 1.1, L(65.6), F10B),
                       Label("Nr.Disp.", 1.1, L(91.0), F10B),
                       Label("Numele si prenumele", 1.1, L(108.0), F10B),
                       Label("CNP copil", 1.1, L(173.6), F10B),
                       Label("Suma", 1.1, BandRight(), F10),
                       Label("Adresa titularului", 3.2, L(192.6), F10B),
                       Label("trusou", 5.3, L(65.6), F10B),
                       Label("primar", 5.3, L(91.0), F10B),
                       Label("copilului", 5.3, L(108.0), F10B),
                       Label("pt.care se acorda trusou", 5.3, L(152.4), F10),
                       Label("acordata", 5.3, BandRight(), F10),
                   }),
        // The child's name and the address have fixed widths up to the next
        // column, so that a long text is cut there instead of overprinting it.
        DetailBand(5.3,
                   {
                       Field("SUBSEMN", 1.1, BandLeft(), F8, {.width = 63.8, .wrap = true}),
                       Field("CNP", 1.1, R(87.8), F8),
                       Field("NRDISP", 1.1, R(102.1), F8),
                       Field("COPIL", 1.1, L(108.0), F8, {.width = 62.0}),
                       Field("CNPC", 1.1, R(189.4), F8),
                       Field("ADRESA", 1.1, L(192.6), F8, {.width = 70.0}),
                       Field("SUMA", 1.1, BandRight(), F9),
                   }),
        SummaryBand(15.9,
                    {
                        Label("TOTAL :", 2.1, L(232.8), F10B),
                        Sum("SUMA", 2.1, BandRight(), F10B),
                        Label("PRIMAR,", 6.3, Centred(), F11B),
                        NamedLabel("Primar", 10.6, Centred(), F11B),
                    }),
    };
    return l;
}

Layout MinistryLayout()
{
    Layout l;
    l.name = QStringLiteral("B3");
    l.printTitle = QStringLiteral("BODEROU");
    l.orientation = Orientation::Landscape;
    l.zoom = Zoom::PageWidth;
    l.bands = {
        TitleBand(
            34.7,
            {
                Label("ROMANIA", 0, BandLeft(), F10B),
                NamedLabel("Judet", 4.2, BandLeft(), F10B),
                NamedLabel("Primaria", 8.5, BandLeft(), F10B),
                Label("BORDEROU", 14.8, Centred(), F14B),
                Label("Privind necesarul de credite bugetare pentru plata alocatiei", 22.8, Centred(), F12B),
                NamedLabel("Luna", 28.0, Centred(), F12B),
            }),
        HeaderBand(10.6,
                   {
                       Label("Nr.crt.", 1.1, L(0), F10),
                       Label("Numele si prenumele", 1.1, L(10.6), F10),
                       Label("C.N.P.", 1.1, L(76.2), F10),
                       Label("Numele si prenumele", 1.1, L(173.6), F10),
                       Label("C.N.P.", 1.1, L(224.4), F10),
                       Label("Nr.si data", 1.1, L(241.3), F10),
                       Label("Suma", 1.1, BandRight(), F10),
                       Label("Domiciliul", 3.2, L(95.2), F10),
                       Label("B.I. sau C.I.", 3.2, L(152.4), F10),
                       Label("beneficiarului", 5.3, L(10.6), F10),
                       Label("beneficiar", 5.3, L(74.1), F10),
                       Label("noului-nascut", 5.3, L(173.6), F10),
                       Label("nou-nascut", 5.3, L(220.1), F10),
                       Label("disp.primar", 5.3, L(241.3), F10),
                       Label("acordata", 5.3, BandRight(), F10),
                   }),
        // The identity card has a fixed width up to the child's column.
        DetailBand(5.3,
                   {
                       DetailNumber(1.1, R(7.4), F8),
                       Field("SUBSEMN", 1.1, L(10.6), F8, {.width = 57.4, .wrap = true, .stretch = true}),
                       Field("CNP", 1.1, R(92.1), F8),
                       Field("ADRESA", 1.1, L(95.2), F8, {.width = 55.3, .wrap = true, .stretch = true}),
                       Field("BI", 1.1, L(152.4), F8, {.width = 20.5}),
                       Field("COPIL1", 1.1, L(173.6), F8, {.width = 44.7, .wrap = true, .stretch = true}),
                       Field("CNP1", 1.1, R(240.2), F8),
                       Field("NRDISP", 1.1, R(249.5), F8),
                       Label("/", 1.1, L(249.8), F8),
                       Field("DATADISP", 1.1, R(265.4), F8),
                       Field("CUANTUM", 1.1, BandRight(), F9),
                   }),
        SummaryBand(32.8,
                    {
                        Label("TOTAL :", 2.1, L(232.8), F10B),
                        Sum("CUANTUM", 2.1, BandRight(), F10B),
                        Label("PRIMAR,", 10.6, L(33.9), F11B),
                        NamedLabel("Primar", 14.8, L(23.3), F11B),
                        Label("DIRECTOR,", 10.6, L(209.6), F11B),
                        NamedLabel("Director", 14.8, L(203.2), F11B),
                        Label("INTOCMIT,", 23.3, Centred(), F10B),
                        NamedLabel("Intocmit", 27.5, Centred(), F10B),
                    }),
    };
    return l;
}

} // namespace kovara::report
