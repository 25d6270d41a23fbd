#include "HolidayTable.h"

namespace {

// Each name exists once, so that all entries of a country share one text.
constexpr char kAegypten[] = "Ägypten";
constexpr char kAequatorialguinea[] = "Äquatorialguinea";
constexpr char kAethiopien[] = "Äthiopien";
constexpr char kAfghanistan[] = "Afghanistan";
constexpr char kAlbanien[] = "Albanien";
constexpr char kAlgerien[] = "Algerien";
constexpr char kAndorra[] = "Andorra";
constexpr char kAngola[] = "Angola";
constexpr char kAntiguaUndBarbadu[] = "Antigua und Barbadu";
constexpr char kArgentinien[] = "Argentinien";
constexpr char kArmenien[] = "Armenien";
constexpr char kAserbaidschan[] = "Aserbaidschan";
constexpr char kAustralien[] = "Australien";
constexpr char kBahamas[] = "Bahamas";
constexpr char kBahrain[] = "Bahrain";
constexpr char kBangladesch[] = "Bangladesch";
constexpr char kBarbados[] = "Barbados";
constexpr char kBelgien[] = "Belgien";
constexpr char kBelize[] = "Belize";
constexpr char kBenin[] = "Benin";
constexpr char kBhutan[] = "Bhutan";
constexpr char kBolivien[] = "Bolivien";
constexpr char kBosnienHerzegowina[] = "Bosnien-Herzegowina";
constexpr char kBotsuana[] = "Botsuana";
constexpr char kBrasilien[] = "Brasilien";
constexpr char kBrunei[] = "Brunei";
constexpr char kBulgarien[] = "Bulgarien";
constexpr char kBurkinaFaso[] = "Burkina Faso";
constexpr char kBurundi[] = "Burundi";
constexpr char kChile[] = "Chile";
constexpr char kChinaRep[] = "China (Rep.)";
constexpr char kChinaVR[] = "China (VR)";
constexpr char kCostaRica[] = "Costa Rica";
constexpr char kDaenemark[] = "Dänemark";
constexpr char kDeutschland[] = "Deutschland";
constexpr char kDominica[] = "Dominica";
constexpr char kDominikanischeRepublik[] = "Dominikanische Republik";
constexpr char kDschibuti[] = "Dschibuti";
constexpr char kEcuador[] = "Ecuador";
constexpr char kElfenbeinkueste[] = "Elfenbeinküste";
constexpr char kElSalvador[] = "El Salvador";
constexpr char kEngland[] = "England";
constexpr char kEritrea[] = "Eritrea";
constexpr char kEstland[] = "Estland";
constexpr char kFidschi[] = "Fidschi";
constexpr char kFinnland[] = "Finnland";
constexpr char kFrankreich[] = "Frankreich";
constexpr char kGabun[] = "Gabun";
constexpr char kGambia[] = "Gambia";
constexpr char kGeorgien[] = "Georgien";
constexpr char kGhana[] = "Ghana";
constexpr char kGrenada[] = "Grenada";
constexpr char kGriechenland[] = "Griechenland";
constexpr char kGrossbritannien[] = "Großbritannien";
constexpr char kGuatemala[] = "Guatemala";
constexpr char kGuinea[] = "Guinea";
constexpr char kGuineaBissau[] = "Guinea-Bissau";
constexpr char kGuyana[] = "Guyana";
constexpr char kHaiti[] = "Haiti";
constexpr char kHonduras[] = "Honduras";
constexpr char kIndien[] = "Indien";
constexpr char kIndonesien[] = "Indonesien";
constexpr char kIrak[] = "Irak";
constexpr char kIran[] = "Iran";
constexpr char kIrland[] = "Irland";
constexpr char kIsland[] = "Island";
constexpr char kIsrael[] = "Israel";
constexpr char kItalien[] = "Italien";
constexpr char kJamaika[] = "Jamaika";
constexpr char kJapan[] = "Japan";
constexpr char kJemen[] = "Jemen";
constexpr char kJordanien[] = "Jordanien";
constexpr char kJugoslawien[] = "Jugoslawien";
constexpr char kKambodscha[] = "Kambodscha";
constexpr char kKamerun[] = "Kamerun";
constexpr char kKanada[] = "Kanada";
constexpr char kKapVerde[] = "Kap Verde";
constexpr char kKasachstan[] = "Kasachstan";
constexpr char kKatar[] = "Katar";
constexpr char kKenia[] = "Kenia";
constexpr char kKirgistan[] = "Kirgistan";
constexpr char kKiribati[] = "Kiribati";
constexpr char kKolumbien[] = "Kolumbien";
constexpr char kKomoren[] = "Komoren";
constexpr char kKongoDemRep[] = "Kongo (Dem. Rep.)";
constexpr char kKongoRep[] = "Kongo (Rep.)";
constexpr char kKroatien[] = "Kroatien";
constexpr char kKuba[] = "Kuba";
constexpr char kKuwait[] = "Kuwait";
constexpr char kLaos[] = "Laos";
constexpr char kLesotho[] = "Lesotho";
constexpr char kLettland[] = "Lettland";
constexpr char kLibanon[] = "Libanon";
constexpr char kLiberia[] = "Liberia";
constexpr char kLibyen[] = "Libyen";
constexpr char kLiechtenstein[] = "Liechtenstein";
constexpr char kLitauen[] = "Litauen";
constexpr char kLuxemburg[] = "Luxemburg";
constexpr char kMadagaskar[] = "Madagaskar";
constexpr char kMalawi[] = "Malawi";
constexpr char kMalaysia[] = "Malaysia";
constexpr char kMalediven[] = "Malediven";
constexpr char kMali[] = "Mali";
constexpr char kMalta[] = "Malta";
constexpr char kMarokko[] = "Marokko";
constexpr char kMarshallinseln[] = "Marshallinseln";
constexpr char kMauretanien[] = "Mauretanien";
constexpr char kMauritius[] = "Mauritius";
constexpr char kMazedonien[] = "Mazedonien";
constexpr char kMexiko[] = "Mexiko";
constexpr char kMikronesien[] = "Mikronesien";
constexpr char kMoldau[] = "Moldau";
constexpr char kMonaco[] = "Monaco";
constexpr char kMongolei[] = "Mongolei";
constexpr char kMosambik[] = "Mosambik";
constexpr char kMyanmar[] = "Myanmar";
constexpr char kNamibia[] = "Namibia";
constexpr char kNauru[] = "Nauru";
constexpr char kNepal[] = "Nepal";
constexpr char kNeuseeland[] = "Neuseeland";
constexpr char kNicaragua[] = "Nicaragua";
constexpr char kNiederlande[] = "Niederlande";
constexpr char kNiger[] = "Niger";
constexpr char kNigeria[] = "Nigeria";
constexpr char kNorwegen[] = "Norwegen";
constexpr char kOesterreich[] = "Österreich";
constexpr char kOman[] = "Oman";
constexpr char kPakistan[] = "Pakistan";
constexpr char kPalau[] = "Palau";
constexpr char kPanama[] = "Panama";
constexpr char kPapuaNeuguinea[] = "Papua-Neuguinea";
constexpr char kParaguay[] = "Paraguay";
constexpr char kPeru[] = "Peru";
constexpr char kPhilippinen[] = "Philippinen";
constexpr char kPolen[] = "Polen";
constexpr char kPortugal[] = "Portugal";
constexpr char kRuanda[] = "Ruanda";
constexpr char kRumaenien[] = "Rumänien";
constexpr char kRussischeFoederation[] = "Russische Föderation";
constexpr char kSahara[] = "Sahara";
constexpr char kSalomonen[] = "Salomonen";
constexpr char kSambia[] = "Sambia";
constexpr char kSamoa[] = "Samoa";
constexpr char kSanMarino[] = "San Marino";
constexpr char kSaoTomeUndPrincipe[] = "São Tomé und Príncipe";
constexpr char kSaudiArabien[] = "Saudi-Arabien";
constexpr char kSchottland[] = "Schottland";
constexpr char kSchweden[] = "Schweden";
constexpr char kSchweiz[] = "Schweiz";
constexpr char kSenegal[] = "Senegal";
constexpr char kSeychellen[] = "Seychellen";
constexpr char kSierraLeone[] = "Sierra Leone";
constexpr char kSimbabwe[] = "Simbabwe";
constexpr char kSingapur[] = "Singapur";
constexpr char kSlowakei[] = "Slowakei";
constexpr char kSlowenien[] = "Slowenien";
constexpr char kSomalia[] = "Somalia";
constexpr char kSpanien[] = "Spanien";
constexpr char kSriLanka[] = "Sri Lanka";
constexpr char kStKittsUndNevis[] = "St. Kitts und Nevis";
constexpr char kStLucia[] = "St. Lucia";
constexpr char kStVincentUndDieGrenadien[] = "St. Vincent und die Grenadien";
constexpr char kSudan[] = "Sudan";
constexpr char kSuedafrika[] = "Südafrika";
constexpr char kSuriname[] = "Suriname";
constexpr char kSwasiland[] = "Swasiland";
constexpr char kSyrien[] = "Syrien";
constexpr char kTadschikistan[] = "Tadschikistan";
constexpr char kTansania[] = "Tansania";
constexpr char kThailand[] = "Thailand";
constexpr char kTogo[] = "Togo";
constexpr char kTonga[] = "Tonga";
constexpr char kTrinidadUndTobago[] = "Trinidad und Tobago";
constexpr char kTschad[] = "Tschad";
constexpr char kTschechischeRepublik[] = "Tschechische Republik";
constexpr char kTuerkei[] = "Türkei";
constexpr char kTunesien[] = "Tunesien";
constexpr char kTurkmenistan[] = "Turkmenistan";
constexpr char kTuvalu[] = "Tuvalu";
constexpr char kUganda[] = "Uganda";
constexpr char kUkraine[] = "Ukraine";
constexpr char kUngarn[] = "Ungarn";
constexpr char kUruguay[] = "Uruguay";
constexpr char kUsbekistan[] = "Usbekistan";
constexpr char kVanuatu[] = "Vanuatu";
constexpr char kVatikanstadt[] = "Vatikanstadt";
constexpr char kVenezuela[] = "Venezuela";
constexpr char kVereinigteArabischeEmirate[] = "Vereinigte Arabische Emirate";
constexpr char kVietnam[] = "Vietnam";
constexpr char kWales[] = "Wales";
constexpr char kWeissrussland[] = "Weißrußland";
constexpr char kZentralafrikanischeRepublik[] = "Zentralafrikanische Republik";
constexpr char kZypern[] = "Zypern";

} // namespace

namespace HolidayTable {

const int kDays[] = {
    // January
    1, 1, 1, 1, 1, 4, 7, 11, 26, 26, 31,
    // February
    4, 6, 7, 11, 11, 13, 16, 18, 21, 22, 23, 24, 25, 27, 27,
    // March
    1, 1, 3, 3, 5, 6, 12, 12, 15, 17, 20, 21, 23, 25, 26,
    // April
    1, 2, 4, 6, 16, 18, 19, 19, 23, 25, 26, 27, 27, 27, 27, 30, 30,
    // May
    1, 1, 3, 3, 5, 9, 10, 12, 15, 17, 17, 20, 22, 24, 25, 25, 26, 28, 28, 30,
    // June
    0, 0, 1, 1, 4, 5, 5, 6, 10, 12, 12, 16, 17, 23, 24, 25, 25, 26, 26, 27, 28, 29, 30,
    // July
    1, 1, 1, 1, 3, 4, 5, 5, 5, 6, 6, 7, 9, 10, 11, 12, 13, 12, 12, 14, 14, 15, 18, 19, 20, 21, 23, 24, 25, 26,
    27, 25, 26, 26, 28, 30,
    // August
    0, 1, 1, 2, 3, 5, 6, 9, 10, 11, 14, 15, 15, 15, 17, 17, 18, 20, 22, 24, 25, 25, 27, 29, 31, 31, 31,
    // September
    1, 1, 1, 2, 3, 3, 6, 7, 8, 8, 9, 10, 11, 15, 15, 15, 15, 15, 16, 16, 17, 18, 19, 21, 21, 22, 23, 24, 24, 30,
    // October
    1, 1, 1, 2, 1, 1, 1, 2, 3, 4, 5, 5, 6, 9, 10, 10, 10, 11, 12, 20, 22, 23, 24, 24, 26, 26, 27, 27, 28, 28,
    28, 29,
    // November
    1, 1, 3, 3, 3, 4, 7, 9, 9, 11, 11, 11, 15, 15, 16, 18, 18, 18, 19, 19, 22, 24, 25, 26, 28, 28, 28, 29, 30,
    30,
    // December
    1, 1, 2, 2, 5, 6, 7, 9, 10, 10, 11, 12, 13, 16, 16, 16, 16, 17, 18, 23, 26, 28
};

const int kMonths[] = {
    // January
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    // February
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
    // March
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    // April
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    // May
    5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5,
    // June
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    // July
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    // August
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    // September
    9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9,
    // October
    10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
    10, 10, 10, 10, 10,
    // November
    11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11,
    11, 11, 11,
    // December
    12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12
};

const char* const kNames[] = {
    // January
    kHaiti, kKuba, kSamoa, kSlowakei, kSudan, kMyanmar, kMalediven, kNepal, kAustralien, kIndien, kNauru,
    // February
    kSriLanka, kNeuseeland, kGrenada, kIran, kJapan, kGuyana, kLitauen, kGambia, kBangladesch, kStLucia,
    kBrunei, kEstland, kKuwait, kDominikanischeRepublik, kSahara,
    // March
    kBosnienHerzegowina, kWales, kBulgarien, kMarokko, kAequatorialguinea, kGhana, kGabun, kMauritius, kUngarn,
    kIrland, kTunesien, kNamibia, kPakistan, kGriechenland, kBangladesch,
    // April
    kIran, kRussischeFoederation, kSenegal, kAethiopien, kDaenemark, kSimbabwe, kSwasiland, kVenezuela,
    kEngland, kItalien, kTansania, kAfghanistan, kSierraLeone, kSuedafrika, kTogo, kNiederlande, kSchweden,
    // May
    kMarshallinseln, kOesterreich, kJapan, kPolen, kNiederlande, kRussischeFoederation, kMikronesien, kIsrael,
    kParaguay, kNauru, kNorwegen, kKamerun, kJemen, kEritrea, kArgentinien, kJordanien, kGeorgien, kArmenien,
    kAserbaidschan, kKroatien,
    // June
    kItalien, kGrossbritannien, kKenia, kSamoa, kTonga, kDaenemark, kSeychellen, kSchweden, kPortugal,
    kPhilippinen, kRussischeFoederation, kSuedafrika, kIsland, kLuxemburg, kVenezuela, kMosambik, kSlowenien,
    kMadagaskar, kSomalia, kDschibuti, kUkraine, kSeychellen, kKongoDemRep,
    // July
    kBurundi, kKanada, kRuanda, kSomalia, kWeissrussland, kTonga, kAlgerien, kKapVerde, kVenezuela, kKomoren,
    kMalawi, kSalomonen, kArgentinien, kBahamas, kMongolei, kMongolei, kMongolei, kKiribati,
    kSaoTomeUndPrincipe, kFrankreich, kIrak, kBrunei, kUruguay, kNicaragua, kKolumbien, kBelgien, kAegypten,
    kVenezuela, kKuba, kKuba, kKuba, kTunesien, kLiberia, kMalediven, kPeru, kVanuatu,
    // August
    kJamaika, kBenin, kSchweiz, kMazedonien, kNiger, kBurkinaFaso, kBolivien, kSingapur, kEcuador, kTschad,
    kPakistan, kIndien, kKongoRep, kLiechtenstein, kGabun, kIndonesien, kAfghanistan, kUngarn,
    kRussischeFoederation, kUkraine, kParaguay, kUruguay, kMoldau, kSlowakei, kKirgistan, kMalaysia,
    kTrinidadUndTobago,
    // September
    kLibyen, kSlowakei, kUsbekistan, kVietnam, kKatar, kSanMarino, kSwasiland, kBrasilien, kAndorra,
    kMazedonien, kTadschikistan, kBelize, kChile, kCostaRica, kElSalvador, kGuatemala, kHonduras, kNicaragua,
    kMexiko, kPapuaNeuguinea, kMarshallinseln, kChile, kStKittsUndNevis, kBelize, kMalta, kMali, kSaudiArabien,
    kGuineaBissau, kTrinidadUndTobago, kBotsuana,
    // October
    kChinaVR, kNigeria, kPalau, kPalau, kSalomonen, kTuvalu, kZypern, kGuinea, kDeutschland, kLesotho,
    kPortugal, kVanuatu, kAegypten, kUganda, kChinaRep, kFidschi, kKuba, kMazedonien, kSpanien, kKenia,
    kVatikanstadt, kUngarn, kMikronesien, kSambia, kNauru, kOesterreich, kStVincentUndDieGrenadien,
    kTurkmenistan, kTurkmenistan, kGriechenland, kTschechischeRepublik, kTuerkei,
    // November
    kAlgerien, kAntiguaUndBarbadu, kDominica, kMikronesien, kPanama, kTonga, kRussischeFoederation, kKambodscha,
    kNepal, kAngola, kBhutan, kPolen, kBrasilien, kZypern, kSyrien, kLettland, kMarokko, kOman, kMonaco, kOman,
    kLibanon, kKongoDemRep, kSuriname, kMongolei, kAlbanien, kMauretanien, kPanama, kJugoslawien, kBarbados,
    kSchottland,
    // December
    kRumaenien, kZentralafrikanischeRepublik, kLaos, kVereinigteArabischeEmirate, kThailand, kFinnland,
    kElfenbeinkueste, kTansania, kKamerun, kThailand, kBurkinaFaso, kKenia, kStLucia, kBahrain, kBangladesch,
    kKasachstan, kSuedafrika, kBhutan, kNiger, kJapan, kSlowenien, kNepal
};

} // namespace HolidayTable
