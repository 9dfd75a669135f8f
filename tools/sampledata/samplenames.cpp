#include "sampledata/samplenames.h"

#include <array>

namespace {

CountryNames England()
{
    CountryNames c;
    c.code = "ENG";
    c.name = "England";
    c.leagueName = "Premier League";
    c.cupName = "Cup";
    c.leagueSize = 20;
    c.favouriteLeague = true;
    c.favouriteCup = true;
    c.level = 0.15;
    c.clubs = {"Ashford United", "Nott'm Rovers", "King's Lynn Town", "Westbury City", "Harrowgate Albion",
               "Eastleigh Athletic", "Kettering Wanderers", "Marlow Borough", "Dunmore Rangers", "Oakham United",
               "Redcliffe Town", "Stanmore City", "Fulwell Athletic", "Longford Rovers", "St Alban's Priory",
               "Thornbury", "Cresswell Park", "Whitby Harbour", "Elmsworth Town", "Barnstaple Argyle",
               "Haverhill United", "Lowestoft Corinthians", "Bishop's Stortford", "Penrith Albion",
               "Rugeley Colliery", "Saltash Rovers", "Tiverton City", "Upminster Athletic", "Wolverley Dale",
               "Yarmouth Shipyard", "Crowborough Town", "Sandbach Villa"};
    c.firstNames = {"James", "Oliver", "Harry", "Jack", "George", "Thomas", "William", "Charlie",
                    "Joe", "Daniel", "Callum", "Kieran", "Liam", "Ryan", "Connor", "Luke"};
    c.lastNames = {"Smith", "Taylor", "O'Brien", "Walker", "Hughes", "Fletcher", "Barnes", "Cooper",
                   "Milner", "Rowe", "Ashworth", "Kendall", "Pritchard", "Thwaite", "Dunmore", "Hartley",
                   "Sharpe", "Whitlock", "Gallagher", "O'Neill", "Bramwell", "Cole", "Doherty", "Fenwick"};
    return c;
}

CountryNames Spain()
{
    CountryNames c;
    c.code = "ESP";
    c.name = "Spain";
    c.leagueName = "Primera División";
    c.cupName = "Copa";
    c.leagueSize = 20;
    c.favouriteLeague = true;
    c.level = 0.15;
    c.clubs = {"Real Sotomayor", "Atlético Cáceres", "CD Almadén", "UD Talavera", "Racing Ferrol Norte",
               "Deportivo Alcalá", "Real Castellón Sur", "CF Linares", "Sporting Avilés", "UD Lorca",
               "Atlético Marbella", "CD Tudela", "Real Jaén", "SD Ponferrada Este", "CF Écija",
               "UD Mérida", "CD Logroñés", "Real Zamora", "Club Atlético Ávila", "CF Úbeda",
               "UD Salamanca Vieja", "CD Teruel", "Arenas Getxo", "CF Palencia", "UD Melilla Puerto",
               "CD Guadalajara", "Real Burgos", "Hércules Alicante Norte", "CD Badajoz", "UD Cieza",
               "CF Villanovense", "CD Castellón Playa"};
    c.firstNames = {"Javier", "Sergio", "Álvaro", "Iker", "Pablo", "Raúl", "Diego", "Rubén",
                    "Andrés", "Marcos", "Adrián", "Íñigo", "Jesús", "Mario", "Óscar", "Unai"};
    c.lastNames = {"García", "Fernández", "López", "Martínez", "Sánchez", "Pérez", "Gómez", "Muñoz",
                   "Álvarez", "Romero", "Navarro", "Domínguez", "Ibáñez", "Castillo", "Ortega", "Rubio",
                   "Serrano", "Molina", "Herrera", "Peña", "Del Río", "Cañizares", "Iglesias", "Vidal"};
    return c;
}

CountryNames Germany()
{
    CountryNames c;
    c.code = "GER";
    c.name = "Germany";
    c.leagueName = "Bundesliga";
    c.cupName = "Pokal";
    c.leagueSize = 18;
    c.favouriteLeague = true;
    c.level = 0.1;
    c.clubs = {"FC Eichenwald", "Borussia Lindau", "SV Mönchsberg", "VfB Kühlungsborn", "TSV Grünstadt",
               "1. FC Bärenfels", "Fortuna Rheinau", "Eintracht Wiesental", "SC Neuburg", "VfL Altmühl",
               "Hertha Spreewald", "Alemannia Düren", "Kickers Offenbach-Süd", "SpVgg Fürthwald", "FSV Zwickau-Land",
               "Rot-Weiß Ahlen", "SG Dynamo Elbtal", "Preußen Münsterland", "TuS Koblenz-Nord", "Arminia Detmold",
               "Wacker Nordhausen", "Union Köpenick-Ost", "Energie Lausitz", "Holstein Eckernförde",
               "SSV Reutlingen", "Viktoria Aschaffenburg", "Rot-Weiß Oberhausen", "SV Meppen-Ems",
               "VfR Aalen", "Stuttgarter Kickers Süd", "FC Gütersloh", "SV Wehen"};
    c.firstNames = {"Lukas", "Jonas", "Leon", "Felix", "Maximilian", "Niklas", "Tobias", "Florian",
                    "Jan-Niklas", "Sebastian", "Moritz", "Julian", "Philipp", "Kai", "Timo", "Jürgen"};
    c.lastNames = {"Müller", "Schmidt", "Schneider", "Fischer", "Weber", "Wagner", "Becker", "Schäfer",
                   "Koch", "Richter", "Klein", "Wolf", "Schröder", "Neumann", "Zimmermann", "Braun",
                   "Krüger", "Hofmann", "Hartmann", "Lange", "Werner", "Krause", "Köhler", "Großkreutz"};
    return c;
}

CountryNames Russia()
{
    CountryNames c;
    c.code = "RUS";
    c.name = "Россия";
    c.leagueName = "Премьер-лига";
    c.cupName = "Кубок";
    c.leagueSize = 18;
    c.favouriteLeague = true;
    c.favouriteCup = true;
    c.level = -0.05;
    c.clubs = {"Динамо Северск", "Спартак Ярославль", "Торпедо Волжский", "Локомотив Тверь", "Звезда Калуга",
               "Металлург Липецк", "Химик Дзержинск", "Шахтёр Прокопьевск", "Сокол Саратов", "Урал Миасс",
               "Энергия Воткинск", "Текстильщик Иваново", "Факел Воронеж", "Волга Ульяновск", "Луч Владивосток",
               "Сибирь Бердск", "Амкар Чусовой", "Жемчужина Анапа", "Нефтяник Альметьевск", "Кристалл Смоленск",
               "Машук Пятигорск", "Салют Белгород", "Авангард Курск", "Дружба Майкоп", "Спартак Кострома",
               "Динамо Брянск", "Торпедо Владимир", "Знамя Труда", "Ротор Камышин", "Океан Находка",
               "Тосно Ленинградское", "Зенит Пенза"};
    c.firstNames = {"Александр", "Дмитрий", "Сергей", "Андрей", "Алексей", "Максим", "Иван", "Артём",
                    "Никита", "Михаил", "Егор", "Павел", "Роман", "Кирилл", "Фёдор", "Юрий"};
    c.lastNames = {"Иванов", "Смирнов", "Кузнецов", "Попов", "Васильев", "Петров", "Соколов", "Михайлов",
                   "Новиков", "Фёдоров", "Морозов", "Волков", "Алексеев", "Лебедев", "Семёнов", "Егоров",
                   "Павлов", "Козлов", "Степанов", "Николаев", "Орлов", "Андреев", "Макаров", "Зайцев"};
    return c;
}

CountryNames Belgium()
{
    CountryNames c;
    c.code = "BEL";
    c.name = "Belgium";
    c.leagueName = "Pro League";
    c.cupName = "Beker";
    c.leagueSize = 18;
    c.splitStages = true;
    c.favouriteLeague = true;
    c.level = -0.05;
    c.clubs = {"Standard Herstal", "Sporting Lokeren-Temse", "KV Oostduinkerke", "Royal Liège Sud",
               "KAA Geraardsbergen", "RFC Sint-Truiden Oost", "Cercle Maldegem", "SK Beveren-Waas",
               "Union Saint-Gilles Nord", "KRC Mechelen-Zuid", "Olympic Charleroi-Marchienne", "Lierse Kempen",
               "KSV Roeselare-West", "RWD Molenbeek Oost", "Excelsior Virton", "KFC Diest",
               "Patro Eisden", "Francs Borains", "KSK Ronse", "RAAL La Louvière", "Royal Tubize-Braine",
               "KVC Westerlo Dorp", "Dender Aalst", "Sporting Hasselt", "RE Mouscron-Péruwelz", "KMSK Deinze",
               "Lommel Kempen", "RFC Seraing-Ougrée", "K. Berchem Sport", "Wallonia Namur", "Knokke Heist",
               "Tienen Hageland"};
    c.firstNames = {"Thibaut", "Kevin", "Jan", "Dries", "Wout", "Axel", "Yannick", "Arthur",
                    "Mathias", "Jelle", "Romain", "Loïs", "Sander", "Michiel", "Pieter", "Cédric"};
    c.lastNames = {"Peeters", "Janssens", "Maes", "Jacobs", "Mertens", "Willems", "Claes", "Goossens",
                   "Wouters", "De Smet", "Dubois", "Lambert", "Dupont", "Vermeulen", "Van den Broeck", "De Backer",
                   "Hermans", "Michiels", "Lemmens", "D'Hondt", "Desmet", "Verstraete", "Van Damme", "Cools"};
    return c;
}

CountryNames Italy()
{
    CountryNames c;
    c.code = "ITA";
    c.name = "Italy";
    c.leagueName = "Serie A";
    c.cupName = "Coppa";
    c.leagueSize = 20;
    c.favouriteLeague = true;
    c.level = 0.1;
    c.clubs = {"AC Montebello", "Calcio Ardenza", "US Castelfranco", "SS Virtus Lecco", "Calcio Sant'Antioco",
               "US Città di Castello", "AS Valdarno", "FC Pro Vercelli Alta", "Rondinella Marzocco",
               "SS Monopoli Vecchia", "US Sant'Elia", "AC Fanfulla", "Calcio Montichiari", "US Triestina Porto",
               "AS Pescina", "FC Südtirol Valle", "US Avellino Irpina", "AC Ravenna Classe", "SS Juve Stabia Mare",
               "Calcio Lucchese", "US Cremonese Po", "AS Gubbio", "SS Akragas", "US Pergolettese",
               "AC Prato Bisenzio", "Calcio Foggia Daunia", "US Casertana", "AS Sambenedettese",
               "FC Legnago Salus", "US Vibonese", "AC Mestre", "SSD Trapani Mare"};
    c.firstNames = {"Marco", "Luca", "Alessandro", "Andrea", "Matteo", "Lorenzo", "Davide", "Simone",
                    "Federico", "Riccardo", "Nicolò", "Gianluca", "Stefano", "Daniele", "Fabrizio", "Salvatore"};
    c.lastNames = {"Rossi", "Russo", "Ferrari", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci",
                   "Marino", "Greco", "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Costa",
                   "Giordano", "Rizzo", "Lombardi", "Moretti", "D'Amico", "Dell'Acqua", "Fontana", "Santoro"};
    return c;
}

CountryNames France()
{
    CountryNames c;
    c.code = "FRA";
    c.name = "France";
    c.leagueName = "Ligue 1";
    c.cupName = "Coupe";
    c.leagueSize = 20;
    c.favouriteLeague = true;
    c.level = 0.05;
    c.clubs = {"Olympique Arcachon", "Stade Vannes", "AS Saint-Priest", "FC Nîmes Garrigues",
               "Racing Châteauroux", "AJ Auxerrois", "US L'Isle-Adam", "Entente Créteil", "SC Bastia Vieux-Port",
               "Stade Lavallois", "FC Rouen Seine", "US Boulogne Côte", "Red Star Saint-Ouen", "AS Béziers",
               "FC Sète", "Chamois Niort", "US Orléans Loiret", "Gazélec Ajaccio", "FC Annecy Lac",
               "SO Cholet", "AS Cannes Croisette", "Tours FC", "US Quevilly", "FC Villefranche",
               "Le Puy Foot", "FC Bourg-Péronnas", "AS Nancy Lorraine Sud", "Stade Briochin", "US Concarneau",
               "FC Fleury", "Les Herbiers VF", "SC Épinal"};
    c.firstNames = {"Lucas", "Hugo", "Théo", "Antoine", "Mathéo", "Clément", "Maxime", "Baptiste",
                    "Jean-Baptiste", "Kylian", "Raphaël", "Benoît", "Jérôme", "Loïc", "Olivier", "Nicolas"};
    c.lastNames = {"Martin", "Bernard", "Dubois", "Thomas", "Robert", "Richard", "Petit", "Durand",
                   "Leroy", "Moreau", "Simon", "Laurent", "Lefèvre", "Michel", "Garcia", "David",
                   "Bertrand", "Roux", "Vincent", "Fournier", "Girard", "Bonnet", "Lefebvre", "N'Diaye"};
    return c;
}

CountryNames Portugal()
{
    CountryNames c;
    c.code = "POR";
    c.name = "Portugal";
    c.leagueName = "Primeira Liga";
    c.cupName = "Taça";
    c.leagueSize = 18;
    c.level = 0;
    c.clubs = {"FC Vila Real", "Académica Mondego", "SC Leiria Velha", "Atlético Guarda", "Vitória Setúbal Sul",
               "CD Trofense", "SC Covilhã Serra", "Varzim Póvoa", "GD Estoril Costa", "CD Aves Norte",
               "UD Oliveirense", "SC Farense", "Leixões Matosinhos", "CF Os Belenenses", "Lusitano Évora",
               "Sporting Espinho", "AD Fafe", "SC Beira-Mar", "CD Feirense Velho", "FC Penafiel Sousa",
               "Atlético Reguengos", "SC Olhanense", "CD Mafra", "GD Chaves Alto", "UD Leiria Pinhal",
               "CD Cova da Piedade", "SC Freamunde", "FC Felgueiras", "Amora FC", "Louletano DC",
               "CD Fátima", "SC Vianense"};
    c.firstNames = {"João", "Tiago", "Rui", "Pedro", "Nuno", "Diogo", "André", "Bruno",
                    "Gonçalo", "Ricardo", "Vítor", "Hélder", "Fábio", "Luís", "Rafael", "Miguel"};
    c.lastNames = {"Silva", "Santos", "Ferreira", "Pereira", "Oliveira", "Costa", "Rodrigues", "Martins",
                   "Jesus", "Sousa", "Fernandes", "Gonçalves", "Gomes", "Lopes", "Marques", "Alves",
                   "Almeida", "Ribeiro", "Pinto", "Carvalho", "Teixeira", "Moreira", "Correia", "Mendes"};
    return c;
}

using NamedCountry = CountryNames (*)();
constexpr std::array<NamedCountry, 8> NamedCountries = {England, Spain, Germany, Russia,
                                                        Belgium, Italy, France, Portugal};

const std::array<const char*, 12> CountryStems = {"Val", "Kor", "Mar", "Tal", "Bren", "Os",
                                                  "Lir", "Dun", "Ves", "Zar", "Hal", "Sen"};
const std::array<const char*, 8> CountryEndings = {"dovia", "akia", "onia", "eria",
                                                   "istan", "mark", "land", "ora"};
const std::array<const char*, 16> TownStems = {"Ber", "Kal", "Mon", "Sta", "Vel", "Dor", "Gra", "Lin",
                                               "Por", "Ros", "Tem", "Wil", "Ard", "Bel", "Cas", "Fen"};
const std::array<const char*, 8> TownEndings = {"ovo", "ton", "burg", "ville", "dal", "mora", "ica", "stad"};
const std::array<const char*, 8> ClubPrefixes = {"FC ", "", "Sporting ", "", "Dynamo ", "Real ", "", "Athletic "};
const std::array<const char*, 8> ClubSuffixes = {"", " United", "", " City", "", "", " Rovers", ""};
const std::array<const char*, 12> FirstNameStems = {"Ander", "Bor", "Cai", "Dav", "Eli", "Fen",
                                                    "Gus", "Hak", "Ivo", "Jor", "Kas", "Lev"};
const std::array<const char*, 4> FirstNameEndings = {"", "o", "an", "ek"};
const std::array<const char*, 8> LastNameEndings = {"sen", "ić", "escu", "ov", "ez", "aki", "berg", "er"};

// g in base 26 written with letters, at least two of them: AA, AB, ... ZZ, BAA, ...
std::string Letters(int g)
{
    std::string letters;
    for (int rest = g; rest > 0 || letters.size() < 2; rest /= 26)
        letters.insert(letters.begin(), static_cast<char>('A' + rest % 26));
    return letters;
}

// Made-up country number g (0, 1, ...): names from syllables, unique within the country.
CountryNames MadeUpCountry(int g)
{
    CountryNames c;
    const int stems = static_cast<int>(CountryStems.size());
    const int endings = static_cast<int>(CountryEndings.size());
    c.code = "X" + Letters(g);
    c.name = std::string(CountryStems[g % stems]) + CountryEndings[g / stems % endings];
    if (g >= stems * endings)
        c.name += " " + std::to_string(g / (stems * endings) + 1);
    c.leagueName = "First Division";
    c.cupName = "Cup";
    c.leagueSize = g % 2 == 0 ? 20 : 18;
    c.splitStages = g % 4 == 3;
    c.level = -0.1;
    for (int k = 0; k < ClubsPerCountry; ++k) {
        const std::string town = std::string(TownStems[k % 16]) + TownEndings[(k / 16 + g) % 8];
        c.clubs.push_back(ClubPrefixes[k % 8] + town + ClubSuffixes[k % 8]);
    }
    for (const char* stem : FirstNameStems)
        c.firstNames.push_back(std::string(stem) + FirstNameEndings[(g + c.firstNames.size()) % 4]);
    for (const char* stem : TownStems)
        c.lastNames.push_back(std::string(stem) + LastNameEndings[(g + c.lastNames.size()) % 8]);
    return c;
}

}  // namespace

int NamedCountryCount()
{
    return static_cast<int>(NamedCountries.size());
}

CountryNames SampleCountryNames(int index)
{
    return index < NamedCountryCount() ? NamedCountries[index]() : MadeUpCountry(index - NamedCountryCount());
}
