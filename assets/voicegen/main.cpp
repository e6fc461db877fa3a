// olk-voicegen: the spoken card names of the voice library "TevCVoice3.dll",
// made with espeak-ng at build time: the 52 cards in each of the ten
// languages, said as players of that language say them.
//
//   olk-voicegen <folder>
//
// writes <folder>/<name>.wav for every name ("Pi04VoiceJap": suit part, rank
// part, "Voice", the language's voice suffix) and <folder>/voices.qrc, which
// rcc packs into the library.

#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Suits in the order hearts, diamonds, clubs, spades; ranks two to ace.
constexpr std::array<const char*, 4> kSuitParts = {"Ch", "Bu", "Kr", "Pi"};
constexpr std::array<const char*, 13> kRankParts = {"02", "03", "04", "05", "06", "07", "08",
                                                    "09", "10", "2J", "3Q", "4K", "5A"};

struct Language {
    const char* suffix;  // of the resource names
    const char* voice;   // espeak-ng's voice
    std::array<const char*, 13> ranks;
    std::array<const char*, 4> suits;
    // How a card is said: %r the rank, %s the suit.
    const char* pattern;
};

// Czech says the suit as an adjective that agrees with the rank's gender.
std::string czech(int rank, int suit)
{
    static constexpr std::array<const char*, 4> stems = {"srdcov", "károv", "křížov", "pikov"};
    static constexpr std::array<const char*, 13> ranks = {
        "dvojka",  "trojka",  "čtyřka", "pětka", "šestka", "sedmička", "osmička",
        "devítka", "desítka", "kluk",   "dáma",  "král",   "eso"};
    // Jack and king are masculine, the ace neuter, the rest feminine.
    const char* ending = rank == 9 || rank == 11 ? "ý" : (rank == 12 ? "é" : "á");
    return std::string(stems[suit]) + ending + " " + ranks[rank];
}

const std::array<Language, 10> kLanguages = {{
    {"Eng",
     "en-us",
     {"two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack", "queen",
      "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"},
     "%r of %s"},
    {"Rus",
     "ru",
     {"двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка", "восьмёрка", "девятка",
      "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубен", "треф", "пик"},
     "%r %s"},
    {"Deu",
     "de",
     {"Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame",
      "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"},
     "%s %r"},
    {"Fra",
     "fr-fr",
     {"deux", "trois", "quatre", "cinq", "six", "sept", "huit", "neuf", "dix", "valet", "dame",
      "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"},
     "%r de %s"},
    {"Spa",
     "es",
     {"dos", "tres", "cuatro", "cinco", "seis", "siete", "ocho", "nueve", "diez", "jota", "reina",
      "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"},
     "%r de %s"},
    // Chinese is given to espeak-ng in pinyin with tone numbers.
    {"Chi",
     "cmn-latn-pinyin",
     {"er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3", "shi2", "jie2 ke4", "huang2 hou4",
      "guo2 wang2", "jian1"},
     {"hong2 tao2", "fang1 kuai4", "mei2 hua1", "hei1 tao2"},
     "%s %r"},
    {"Ita",
     "it",
     {"due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove", "dieci", "fante", "donna",
      "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"},
     "%r di %s"},
    {"Cze", "cs", {}, {}, nullptr},
    // Japanese is given in kana, which espeak-ng reads.
    {"Jap",
     "ja",
     {"に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう", "じゅう", "ジャック",
      "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     "%sの%r"},
    {"Kor",
     "ko",
     {"이", "삼", "사", "오", "육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"},
     "%s %r"},
}};

std::string spoken(const Language& language, int rank, int suit)
{
    if (language.pattern == nullptr) {
        return czech(rank, suit);
    }
    std::string text;
    for (const char* p = language.pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && (p[1] == 'r' || p[1] == 's')) {
            text += p[1] == 'r' ? language.ranks[rank] : language.suits[suit];
            ++p;
        } else {
            text += *p;
        }
    }
    return text;
}

// Runs espeak-ng without a shell, so no text needs quoting.
bool speak(const std::string& voice, const std::string& text, const std::string& wav)
{
    std::vector<std::string> args = {"espeak-ng", "-v", voice, "-s", "165", "-w", wav, text};
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "espeak-ng", nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: olk-voicegen <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    std::ofstream qrc(folder + "/voices.qrc");
    qrc << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Language& language : kLanguages) {
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 0; rank < 13; ++rank) {
                const std::string name =
                    std::string(kSuitParts[suit]) + kRankParts[rank] + "Voice" + language.suffix;
                if (!speak(language.voice, spoken(language, rank, suit),
                           folder + "/" + name + ".wav")) {
                    std::fprintf(stderr, "olk-voicegen: espeak-ng failed for %s\n", name.c_str());
                    return 1;
                }
                qrc << "  <file alias=\"" << name << "\">" << name << ".wav</file>\n";
            }
        }
    }
    qrc << "</qresource>\n</RCC>\n";
    return qrc ? 0 : 1;
}
