#include "settings/word_tables.h"

#include <QCoreApplication>
#include <iterator>

namespace olk {

namespace {

struct Entry {
    const char* source;
    const char* comment;
};

// One entry a text, in the order of the Text enumeration. The comment names
// the text in the translation files; the line above each entry is the note
// translators read.
constexpr Entry kEntries[] = {
    //: main window caption: the program's name; the same in all ten languages (do not translate)
    QT_TRANSLATE_NOOP3("Olk", "Olk", "WindowTitle"),
    //: button that confirms or closes a window: attention box, Welcome dialog, waiting window (on
    //: the host it starts the match), history, count, end-of-cycle, top ten, statistics and options
    //: windows; short button (the options one is 90 px wide)
    QT_TRANSLATE_NOOP3("Olk", "Ok", "Ok"),
    //: button that closes the Welcome dialog or the waiting window without going on; short button
    QT_TRANSLATE_NOOP3("Olk", "Cancel", "Cancel"),
    //: OK button of the program's information and error message boxes (help notice, connection-lost
    //: box, name-changed box, settings error box). Unsure: this may be the system's standard box
    //: button rather than a program text; also named inside the text "Press OK for exit to the main
    //: menu...", so keep both consistent
    QT_TRANSLATE_NOOP3("Olk", "OK", "MessageBoxOk"),
    //: title of the attention box (a small modal message box with up to three lines and an Ok
    //: button). Unsure: quoted only in the general description of the attention box, not in a
    //: numbered section
    QT_TRANSLATE_NOOP3("Olk", "Attention", "AttentionTitle"),
    //: main menu button (200 units wide): start a game with a new player who is not yet in the club
    //: list
    QT_TRANSLATE_NOOP3("Olk", "New Player", "NewPlayer"),
    //: main menu button (about 100 units wide) opening the local top ten of the ten best cycle
    //: scores; also the title of that window and the heading of its name column
    QT_TRANSLATE_NOOP3("Olk", "Top Ten", "TopTen"),
    //: main menu button (about 100 units wide) opening the list of played games (history of games)
    QT_TRANSLATE_NOOP3("Olk", "History", "History"),
    //: main menu button (about 100 units wide) opening the settings dialog; also the caption of
    //: that dialog (in the grey aristocratic dialog design the caption is also drawn in capitals in
    //: the dialog header)
    QT_TRANSLATE_NOOP3("Olk", "Options", "Options"),
    //: main menu button (about 100 units wide): switches the club list between showing scores and
    //: showing ratings
    QT_TRANSLATE_NOOP3("Olk", "Mode", "Mode"),
    //: main menu button (about 100 units wide): close the program
    QT_TRANSLATE_NOOP3("Olk", "Exit", "Exit"),
    //: main menu: header row above the five club players in score mode, drawn in a fixed-width
    //: font; the blanks align the three column titles (player name, games played in the current
    //: cycle, score) with the rows below (name 20 characters, 4 blanks, 3-digit count, 4 blanks,
    //: score), so keep the same total length and column positions
    QT_TRANSLATE_NOOP3("Olk", " The members of club    Games    Score ", "ClubHeaderScore"),
    //: main menu: header row above the five club players in rating mode, drawn in a fixed-width
    //: font; columns: player name, number of deals played, rating with two decimals (name 20
    //: characters, 2 blanks, 7-place count, 2 blanks, rating); keep the same total length and
    //: column positions
    QT_TRANSLATE_NOOP3("Olk", " The members of club    Games   Rating ", "ClubHeaderRating"),
    //: message shown when the tournament icon of the main menu is clicked while the player is not
    //: logged in to an online account
    QT_TRANSLATE_NOOP3("Olk", "Log in to your account!", "LogInToYourAccount"),
    //: pop-up menu item of the game table: opens the window with the current counts, scores and
    //: rating of the game in progress
    QT_TRANSLATE_NOOP3("Olk", "General score", "GeneralScore"),
    //: second action button of the table (140 units wide) and pop-up menu item: leave the game and
    //: return to the main menu
    QT_TRANSLATE_NOOP3("Olk", "Exit to menu", "ExitToMenu"),
    //: pop-up menu item of the table: change the current player's name and password
    QT_TRANSLATE_NOOP3("Olk", "To change a name", "ToChangeAName"),
    //: pop-up menu item opening the card flight speed dialog; also the options dialog button, where
    //: it is followed by "=" and the speed level 1-6 (e.g. Speed=4)
    QT_TRANSLATE_NOOP3("Olk", "Speed", "Speed"),
    //: pop-up menu item of the main window. Unsure what it opens: its action is not described
    //: (probably the rules or a licence agreement)
    QT_TRANSLATE_NOOP3("Olk", "Convention", "Convention"),
    //: pop-up menu item: opens the table of contents of the program's help file
    QT_TRANSLATE_NOOP3("Olk", "Help", "Help"),
    //: pop-up menu item of the main window. Unsure what it opens: its action is not described
    //: (probably a page for sending a comment to the maker)
    QT_TRANSLATE_NOOP3("Olk", "Comment", "Comment"),
    //: pop-up menu item: opens the about box
    QT_TRANSLATE_NOOP3("Olk", "About", "About"),
    //: pop-up menu item: opens the internet radio dialog
    QT_TRANSLATE_NOOP3("Olk", "Radio", "Radio"),
    //: pop-up menu item: opens the online chat window
    QT_TRANSLATE_NOOP3("Olk", "Chat", "Chat"),
    //: information box shown before the help opens when the interface language is English; two
    //: lines. Unsure: it is shown only in English mode, so other languages may never display their
    //: entry (translate it anyway, naming the English language)
    QT_TRANSLATE_NOOP3("Olk",
                       "Excuse!\n\rThe file of the help is not translated to the English language.",
                       "HelpNotTranslated"),
    //: about box label, followed by the name of the game's author
    QT_TRANSLATE_NOOP3("Olk", "The author of idea:", "AboutAuthorOfIdea"),
    //: about box label, followed by the names of people who are specially thanked
    QT_TRANSLATE_NOOP3("Olk", "Separate thank you:", "AboutSeparateThanks"),
    //: about box label, followed by the web address of the game's site
    QT_TRANSLATE_NOOP3("Olk", "Official site:", "AboutOfficialSite"),
    //: about box line: more information is in the help file
    QT_TRANSLATE_NOOP3("Olk", "More in detail in the help", "AboutMoreInHelp"),
    //: confirmation question (Yes/No) before leaving the game table for the main menu; first line,
    //: followed on the next line by "All datas for want of it will be lost!"
    QT_TRANSLATE_NOOP3("Olk", "You want to leave in the main menu?", "LeaveToMainMenu"),
    //: second part of the two leave confirmations: the game in progress will be lost (not saved) if
    //: you leave
    QT_TRANSLATE_NOOP3("Olk", "All datas for want of it will be lost!", "AllDataWillBeLost"),
    //: confirmation question (Yes/No) when the main window is closed while a game is on the table;
    //: followed by a blank and "All datas for want of it will be lost!"
    QT_TRANSLATE_NOOP3("Olk", "You want to leave from game?", "LeaveGame"),
    //: hint of the main menu's right clock panel: percentage of points lost by human players
    //: against the computer (a playful 'IQ' of the Windows version); followed by the error mark
    //: when offline
    QT_TRANSLATE_NOOP3("Olk", "Dynamic IQ for Windows (percent)", "ClockHintDynamicIq"),
    //: number of deals played against the computer worldwide: hint of the right clock panel of the
    //: main menu and label in the statistics window
    QT_TRANSLATE_NOOP3("Olk", "Games played with PC", "GamesPlayedWithPc"),
    //: hint of the right clock panel; followed by the nick of the best player of the Windows score
    //: table (or "No")
    QT_TRANSLATE_NOOP3("Olk", "Best Windows Player: ", "ClockHintBestWindowsPlayer"),
    //: hint of the right clock panel; followed by the nick of the best player of the Android score
    //: table (or "No")
    QT_TRANSLATE_NOOP3("Olk", "Best Android Player: ", "ClockHintBestAndroidPlayer"),
    //: hint of the right clock panel; followed by the nick of the best player among games played
    //: with an online account (or "No")
    QT_TRANSLATE_NOOP3(
        "Olk", "The best player of games from under the account: ", "ClockHintBestAccountPlayer"),
    //: name of the online game currency (plural): hint of the right clock panel showing the account
    //: balance, and in the end-of-cycle line "You get" + bonus + "Tevs" + "!!!"
    QT_TRANSLATE_NOOP3("Olk", "Tevs", "Tevs"),
    //: hint of the right clock panel; followed by the number of members of the online club
    QT_TRANSLATE_NOOP3("Olk", "Club members: ", "ClockHintClubMembers"),
    //: tiny label (1-2 characters, drawn at size 8) on the clock panel beside the 'dynamic IQ'
    //: number. Unsure whether it is meant to be translated
    QT_TRANSLATE_NOOP3("Olk", "IQ", "ClockLabelIq"),
    //: tiny one-letter label (size 8) on the clock panel beside the number of deals played against
    //: the computer: abbreviation of 'deals'. Unsure whether it is meant to be translated
    QT_TRANSLATE_NOOP3("Olk", "D", "ClockLabelDeals"),
    //: clock panel hint: put after "Best ... Player: " in place of a nick when the score table is
    //: empty (no one yet)
    QT_TRANSLATE_NOOP3("Olk", "No", "ClockNoNick"),
    //: clock panel hint ending when the online request failed; appended directly to the hint text
    //: (dynamic IQ, games with PC, Tevs)
    QT_TRANSLATE_NOOP3("Olk", ": NO CONNECT", "ClockNoConnectColon"),
    //: clock panel hint ending when the online request failed; appended directly to "Best ...
    //: Player: "
    QT_TRANSLATE_NOOP3("Olk", "NO CONNECT", "ClockNoConnect"),
    //: clock panel hint ending when the online request failed; appended directly to "Club members:
    //: " (leading blank kept)
    QT_TRANSLATE_NOOP3("Olk", " NO CONNECT", "ClockNoConnectBlank"),
    //: one-letter suffix after a large number on the clock panel: thousands. Unsure whether it is
    //: meant to be translated
    QT_TRANSLATE_NOOP3("Olk", "K", "ClockSuffixThousand"),
    //: one-letter suffix after a large number on the clock panel: millions. Unsure whether it is
    //: meant to be translated
    QT_TRANSLATE_NOOP3("Olk", "M", "ClockSuffixMillion"),
    //: one-letter suffix after a large number on the clock panel: billions (giga). Unsure whether
    //: it is meant to be translated
    QT_TRANSLATE_NOOP3("Olk", "G", "ClockSuffixBillion"),
    //: first action button of the table (140 units wide): start playing the deal that has just been
    //: dealt
    QT_TRANSLATE_NOOP3("Olk", "To Begin", "ToBegin"),
    //: first action button of the table (140 units wide) during play: knock instead of taking a
    //: card
    QT_TRANSLATE_NOOP3("Olk", "Knock!", "Knock"),
    //: first action button of the table (140 units wide) after a deal: deal the next hand (a 'game'
    //: here means one deal)
    QT_TRANSLATE_NOOP3("Olk", "Next game", "NextGame"),
    //: name shown on the name plate (160 units) of a computer-played seat in a local game, followed
    //: by ": " and its points. Unsure: in network games the computer seats show the untranslated
    //: name sent over the network
    QT_TRANSLATE_NOOP3("Olk", "PC", "ComputerPlayerName"),
    //: deal counter panel of the table (120 units wide, large font): followed by a blank and the
    //: number of deals in this game; also the deal-number hint, followed by ": ", the player's
    //: overall deal number, " / " and 40 (or 4). Here 'game' means one deal; keep short
    QT_TRANSLATE_NOOP3("Olk", "Game", "GameDealCaption"),
    //: deal counter panel of the table (120 units wide, large font): followed by ": " and the
    //: number of turns made in this deal; keep short
    QT_TRANSLATE_NOOP3("Olk", "Move", "Move"),
    //: title of the balloon hint shown over the deal counter panel
    QT_TRANSLATE_NOOP3("Olk", "Current game", "CurrentGameBalloon"),
    //: label: the player's total number of deals played so far; in the deal counter balloon
    //: (followed by a blank and the number) and in the count window
    QT_TRANSLATE_NOOP3("Olk", "General number of game:", "GeneralNumberOfGame"),
    //: label: number of the deal within the current cycle of 40 deals; in the deal counter balloon
    //: (followed by a blank, the number, " / " and 40) and in the count window
    QT_TRANSLATE_NOOP3("Olk", "Number of round in a current cycle:", "RoundInCycle"),
    //: deal counter balloon line: number of the deal within the current 4-deal session (network,
    //: account or tournament game); followed by a blank, the number, " / " and 4
    QT_TRANSLATE_NOOP3("Olk", "Number of round in a current session:", "RoundInSession"),
    //: shown on the host's name plate (160 units) while a joined network player waits for the first
    //: deal from the host ('waiting for the server')
    QT_TRANSLATE_NOOP3("Olk", "Expectation of the server...", "ExpectationOfServer"),
    //: banner (175 x 40 px) shown while a recorded deal is written as an animated GIF picture; keep
    //: short
    QT_TRANSLATE_NOOP3("Olk", "Creating a GIF...", "CreatingGif"),
    //: caption of the card flight speed dialog
    QT_TRANSLATE_NOOP3("Olk", "Choice of speed", "ChoiceOfSpeed"),
    //: label above the slider (1 to 6) of the speed dialog: how fast cards fly across the table
    QT_TRANSLATE_NOOP3("Olk", "Select a flight speed of cards:", "SelectFlightSpeed"),
    //: options dialog tab: general settings (language, window size, sound...); nine tabs share 360
    //: px, keep very short
    QT_TRANSLATE_NOOP3("Olk", "General", "OptionsTabGeneral"),
    //: options dialog tab choosing the card set (faces), and check box in the group "Salute" (play
    //: the salute animation when clicking cards); tab caption, keep very short
    QT_TRANSLATE_NOOP3("Olk", "Cards", "Cards"),
    //: options dialog tab choosing the deck (card backs); keep very short
    QT_TRANSLATE_NOOP3("Olk", "Decks", "OptionsTabDecks"),
    //: options dialog tab with the rules of the game (rule options); keep very short. Different
    //: from the deal counter "Game" on the table
    QT_TRANSLATE_NOOP3("Olk", "Game", "OptionsTabGame"),
    //: options dialog tab with the font settings; keep very short
    QT_TRANSLATE_NOOP3("Olk", "Fonts", "OptionsTabFonts"),
    //: options dialog tab with the table background: abbreviation of 'background'; keep very short
    QT_TRANSLATE_NOOP3("Olk", "BG", "OptionsTabBackground"),
    //: options dialog tab: saving played deals as animated GIF pictures; keep short
    QT_TRANSLATE_NOOP3("Olk", "Save games", "OptionsTabSaveGames"),
    //: options dialog tab with the download buttons for the optional picture, sound and radio
    //: library files (DLL files); technical abbreviation, probably kept as is
    QT_TRANSLATE_NOOP3("Olk", "DLL", "OptionsTabDll"),
    //: options dialog tab choosing the look of the main menu, the table and the dialogs; keep very
    //: short
    QT_TRANSLATE_NOOP3("Olk", "Design", "OptionsTabDesign"),
    //: options check box: play over the network with other people (switches the club list to the
    //: network players)
    QT_TRANSLATE_NOOP3("Olk", "Multiplayer", "Multiplayer"),
    //: options group caption around the sound and music check boxes
    QT_TRANSLATE_NOOP3("Olk", "Multimedia", "Multimedia"),
    //: options check box: sound effects on/off
    QT_TRANSLATE_NOOP3("Olk", "Sound", "Sound"),
    //: options check box: background melody on/off
    QT_TRANSLATE_NOOP3("Olk", "Music", "Music"),
    //: options check box: animated pictures in the main menu on/off
    QT_TRANSLATE_NOOP3("Olk", "Gif-animation", "GifAnimation"),
    //: options check box: cards fly (are animated) between hand, deck and pile; the word Fly is in
    //: double quotes
    QT_TRANSLATE_NOOP3("Olk", "\"Fly\" cards", "FlyCards"),
    //: options check box: use the program's own (red) mouse cursors instead of the system ones
    QT_TRANSLATE_NOOP3("Olk", "Red mouse cursor", "RedMouseCursor"),
    //: options check box: draw the program's buttons in the alternative (new) look
    QT_TRANSLATE_NOOP3("Olk", "New buttons", "NewButtons"),
    //: options dialog button opening the online passport (nick, country, city, sex) dialog
    QT_TRANSLATE_NOOP3("Olk", "Passport", "Passport"),
    //: window size list item: 760 x 500 pixels (the default size)
    QT_TRANSLATE_NOOP3("Olk", "Small window", "WindowSizeSmall"),
    //: window size list item: the window fills the screen
    QT_TRANSLATE_NOOP3("Olk", "Full screen", "WindowSizeFull"),
    //: window size list item: medium window, 990 x 650 pixels
    QT_TRANSLATE_NOOP3("Olk", "Average window 1", "WindowSizeAverage1"),
    //: window size list item: larger medium window, 1290 x 850 pixels
    QT_TRANSLATE_NOOP3("Olk", "Average window 2", "WindowSizeAverage2"),
    //: window size list item: 1520 x 1000 pixels
    QT_TRANSLATE_NOOP3("Olk", "Large window", "WindowSizeLarge"),
    //: options group caption (Decks tab): how the card back changes from deal to deal
    QT_TRANSLATE_NOOP3("Olk", "Modification", "Modification"),
    //: option in the group "Modification": the card back changes with the day of the week
    QT_TRANSLATE_NOOP3("Olk", "To change decks", "ToChangeDecks"),
    //: option in the group "Modification": always the same card back
    QT_TRANSLATE_NOOP3("Olk", "Always one", "AlwaysOne"),
    //: option in the group "Modification": a random card back every deal
    QT_TRANSLATE_NOOP3("Olk", "Random", "Random"),
    //: options group caption (Game tab) around the two rule options: minor (secondary) rules
    QT_TRANSLATE_NOOP3("Olk", "Minor", "Minor"),
    //: rule option check box: a hand of three cards of the same rank scores 30
    QT_TRANSLATE_NOOP3("Olk", "Three of a kind is worth 30 points", "ThreeOfAKind30"),
    //: rule option check box: a player who knocked and then has the lowest result of the deal
    //: scores 0
    QT_TRANSLATE_NOOP3("Olk", "Punish the Knocker", "PunishTheKnocker"),
    //: font family list item in the Fonts tab: the decorative font used for large texts
    QT_TRANSLATE_NOOP3("Olk", "Large font", "FontLarge"),
    //: font family list item in the Fonts tab: the font used for small texts
    QT_TRANSLATE_NOOP3("Olk", "Small font", "FontSmall"),
    //: font family list item in the Fonts tab; followed by " 1" or " 2" (two special fonts:
    //: fixed-width and typewriter)
    QT_TRANSLATE_NOOP3("Olk", "Special font", "FontSpecial"),
    //: label of the font scale box (50 to 150 percent)
    QT_TRANSLATE_NOOP3("Olk", "Scale, %", "ScalePercent"),
    //: button in the Fonts tab: put all fonts and scales back to their defaults; short button
    QT_TRANSLATE_NOOP3("Olk", "Default", "DefaultFonts"),
    //: first line of the warning note in the Fonts tab; followed on the next line by "These
    //: installations should be changed only in case of incorrect map of fonts!"
    QT_TRANSLATE_NOOP3("Olk", "Attention!", "AttentionExclamation"),
    //: second line of the warning note in the Fonts tab: change these settings only when the fonts
    //: are displayed wrongly
    QT_TRANSLATE_NOOP3(
        "Olk", "These installations should be changed only in case of incorrect map of fonts!",
        "FontsChangeWarning"),
    //: options group caption (BG tab) around the list of table backgrounds
    QT_TRANSLATE_NOOP3("Olk", "Background", "Background"),
    //: table background list item (picture name)
    QT_TRANSLATE_NOOP3("Olk", "Sun", "BackgroundSun"),
    //: table background list item: felt cloth (the built-in background)
    QT_TRANSLATE_NOOP3("Olk", "Felt", "BackgroundFelt"),
    //: table background list item: colour gradient
    QT_TRANSLATE_NOOP3("Olk", "Gradient", "BackgroundGradient"),
    //: table background list item: cloth
    QT_TRANSLATE_NOOP3("Olk", "Cloth", "BackgroundCloth"),
    //: name of a table background and of a deck (card backs) with a carpet pattern
    QT_TRANSLATE_NOOP3("Olk", "Carpet", "Carpet"),
    //: table background list item: tree (wood)
    QT_TRANSLATE_NOOP3("Olk", "Tree", "BackgroundTree"),
    //: table background list item: casino
    QT_TRANSLATE_NOOP3("Olk", "Casino", "BackgroundCasino"),
    //: table background list item: pattern
    QT_TRANSLATE_NOOP3("Olk", "Pattern", "BackgroundPattern"),
    //: table background list item: silk
    QT_TRANSLATE_NOOP3("Olk", "Silk", "BackgroundSilk"),
    //: table background list item: ornament
    QT_TRANSLATE_NOOP3("Olk", "Ornament", "BackgroundOrnament"),
    //: background colour list item
    QT_TRANSLATE_NOOP3("Olk", "Green", "ColourGreen"),
    //: background colour list item
    QT_TRANSLATE_NOOP3("Olk", "Red", "ColourRed"),
    //: background colour list item: orange (spelling as in the original)
    QT_TRANSLATE_NOOP3("Olk", "Orang", "ColourOrange"),
    //: background colour list item
    QT_TRANSLATE_NOOP3("Olk", "Yellow", "ColourYellow"),
    //: background colour list item: light blue / cyan
    QT_TRANSLATE_NOOP3("Olk", "Light-Blue", "ColourLightBlue"),
    //: background colour list item: navy
    QT_TRANSLATE_NOOP3("Olk", "Dark Blue", "ColourDarkBlue"),
    //: background colour list item
    QT_TRANSLATE_NOOP3("Olk", "Violet", "ColourViolet"),
    //: options check box (Save games tab): record every deal as an animated GIF picture
    QT_TRANSLATE_NOOP3("Olk", "Save games as GIFs", "SaveGamesAsGifs"),
    //: list item: the recorded pictures show only the inside of the main window
    QT_TRANSLATE_NOOP3("Olk", "Save contents of only the main window", "SaveMainWindowOnly"),
    //: list item: the recorded pictures show the whole main window taken from the screen
    QT_TRANSLATE_NOOP3("Olk", "Save screen contents", "SaveScreen"),
    //: label of the number box (10 to 5000): display time of each recorded picture frame in
    //: milliseconds
    QT_TRANSLATE_NOOP3("Olk", "Delay between frames, msec.", "DelayBetweenFrames"),
    //: options group caption (DLL tab): where the list of internet radio stations is read from
    QT_TRANSLATE_NOOP3("Olk", "Reading the list of radio stations", "ReadingRadioList"),
    //: option: read the radio station list from the internet server
    QT_TRANSLATE_NOOP3("Olk", "From the server", "FromTheServer"),
    //: option: read the radio station list from the file on disk
    QT_TRANSLATE_NOOP3("Olk", "From disk", "FromDisk"),
    //: balloon hint of a download button in the options dialog; followed by the name of the file to
    //: download
    QT_TRANSLATE_NOOP3("Olk", "Download", "Download"),
    //: options group caption (Design tab): look of the main menu
    QT_TRANSLATE_NOOP3("Olk", "Main Menu Design", "MainMenuDesign"),
    //: options group caption (Design tab): look of the game table
    QT_TRANSLATE_NOOP3("Olk", "Game Table Design", "GameTableDesign"),
    //: options group caption (Design tab): look of the dialogs
    QT_TRANSLATE_NOOP3("Olk", "Auxiliary Window Design", "AuxWindowDesign"),
    //: design list item (main menu and game table): the ordinary look that follows the chosen
    //: background and colours
    QT_TRANSLATE_NOOP3("Olk", "Customizable", "Customizable"),
    //: design list item (main menu, game table and dialogs): the purple look from the graphics
    //: library
    QT_TRANSLATE_NOOP3("Olk", "Purple", "Purple"),
    //: dialog design list item: grey look with a caption plate
    QT_TRANSLATE_NOOP3("Olk", "Gray aristocratic", "GrayAristocratic"),
    //: dialog design list item: plain grey look
    QT_TRANSLATE_NOOP3("Olk", "Gray concise", "GrayConcise"),
    //: dialog design list item: grey look with a red ribbon header
    QT_TRANSLATE_NOOP3("Olk", "Gray with red ribbons", "GrayWithRedRibbons"),
    //: options group caption (Design tab): a short firework-like animation at the mouse pointer
    //: after a click
    QT_TRANSLATE_NOOP3("Olk", "Salute", "Salute"),
    //: check box in the group "Salute": play the salute when a button is clicked
    QT_TRANSLATE_NOOP3("Olk", "Buttons", "Buttons"),
    //: name of the built-in card set (faces) and of the built-in deck (backs): classical design no.
    //: 1
    QT_TRANSLATE_NOOP3("Olk", "Classical-1", "Classical1"),
    //: name of a card set and of a deck: medieval design no. 1
    QT_TRANSLATE_NOOP3("Olk", "Medieval-1", "Medieval1"),
    //: name of a card set and of a deck: medieval design no. 2
    QT_TRANSLATE_NOOP3("Olk", "Medieval-2", "Medieval2"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Modern", "CardSetModern"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Ancient Egypt", "CardSetAncientEgypt"),
    //: card set (card faces) list item in the options dialog; spelling as in the original
    QT_TRANSLATE_NOOP3("Olk", "Baronesse", "CardSetBaronesse"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Celtic", "CardSetCeltic"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Corona", "CardSetCorona"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Crown", "CardSetCrown"),
    //: card set (card faces) list item in the options dialog; the traditional English card design
    QT_TRANSLATE_NOOP3("Olk", "English Pattern", "CardSetEnglishPattern"),
    //: card set (card faces) list item in the options dialog; city name
    QT_TRANSLATE_NOOP3("Olk", "Frankfurt", "CardSetFrankfurt"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Historical costumes", "CardSetHistoricalCostumes"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Native Americans", "CardSetNativeAmericans"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Old Garden Roses", "CardSetOldGardenRoses"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Parrots", "CardSetParrots"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Royal", "CardSetRoyal"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Shakespeare", "CardSetShakespeare"),
    //: card set (card faces) list item in the options dialog; London clock tower
    QT_TRANSLATE_NOOP3("Olk", "Big Ben", "CardSetBigBen"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Four Reigns of English History", "CardSetFourReigns"),
    //: card set (card faces) list item in the options dialog; cards with large indices, London
    //: design
    QT_TRANSLATE_NOOP3("Olk", "Large Print London", "CardSetLargePrintLondon"),
    //: card set (card faces) list item in the options dialog; classical design no. 2
    QT_TRANSLATE_NOOP3("Olk", "Classical-2", "CardSetClassical2"),
    //: card set (card faces) list item in the options dialog; name of a card set (not the suit)
    QT_TRANSLATE_NOOP3("Olk", "Hearts", "CardSetHearts"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Seasons", "CardSetSeasons"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Rhine Style", "CardSetRhineStyle"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Doods", "CardSetDoods"),
    //: card set (card faces) list item in the options dialog; brand-like name, probably kept
    QT_TRANSLATE_NOOP3("Olk", "Playboy", "CardSetPlayboy"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Epic", "CardSetEpic"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "USSR", "CardSetUssr"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Plastic", "CardSetPlastic"),
    //: card set (card faces) list item in the options dialog; Skat cards with German suits
    QT_TRANSLATE_NOOP3("Olk", "Skat - German suits", "CardSetSkatGerman"),
    //: card set (card faces) list item in the options dialog; Skat cards with tournament suits
    QT_TRANSLATE_NOOP3("Olk", "Skat - Tournament suits", "CardSetSkatTournament"),
    //: card set (card faces) list item in the options dialog; Skat cards with French suits
    QT_TRANSLATE_NOOP3("Olk", "Skat - French suits", "CardSetSkatFrench"),
    //: card set (card faces) list item in the options dialog; Russian design in the style of Palekh
    //: miniature painting
    QT_TRANSLATE_NOOP3("Olk", "White palekh", "CardSetWhitePalekh"),
    //: card set (card faces) list item in the options dialog; name
    QT_TRANSLATE_NOOP3("Olk", "Diana", "CardSetDiana"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Princely", "CardSetPrincely"),
    //: card set (card faces) list item in the options dialog; cards made for patience (solitaire)
    //: games
    QT_TRANSLATE_NOOP3("Olk", "For solitaires", "CardSetForSolitaires"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Satin", "CardSetSatin"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Slavic", "CardSetSlavic"),
    //: card set (card faces) list item in the options dialog
    QT_TRANSLATE_NOOP3("Olk", "Maya", "CardSetMaya"),
    //: card set (card faces) list item in the options dialog; Russian folk-print (lubok) style;
    //: literally 'bast'
    QT_TRANSLATE_NOOP3("Olk", "Bast", "CardSetBast"),
    //: card set (card faces) list item in the options dialog; French-style cards
    QT_TRANSLATE_NOOP3("Olk", "French", "CardSetFrench"),
    //: card set (card faces) list item in the options dialog; Spanish-style cards no. 1
    QT_TRANSLATE_NOOP3("Olk", "Spanish 1", "CardSetSpanish1"),
    //: card set (card faces) list item in the options dialog; Spanish-style cards no. 2
    QT_TRANSLATE_NOOP3("Olk", "Spanish 2", "CardSetSpanish2"),
    //: card set (card faces) list item in the options dialog; Spanish-style cards no. 3
    QT_TRANSLATE_NOOP3("Olk", "Spanish 3", "CardSetSpanish3"),
    //: card set (card faces) list item in the options dialog; Spanish-style cards no. 4
    QT_TRANSLATE_NOOP3("Olk", "Spanish 4", "CardSetSpanish4"),
    //: card set (card faces) list item in the options dialog; Chinese-style cards
    QT_TRANSLATE_NOOP3("Olk", "Chinese", "CardSetChinese"),
    //: card set (card faces) list item in the options dialog; Italian-style cards
    QT_TRANSLATE_NOOP3("Olk", "Italian", "CardSetItalian"),
    //: card set (card faces) list item in the options dialog; Czech-style cards
    QT_TRANSLATE_NOOP3("Olk", "Czech", "CardSetCzech"),
    //: deck (card backs) list item in the options dialog: cross pattern
    QT_TRANSLATE_NOOP3("Olk", "Cross", "DeckCross"),
    //: deck (card backs) list item in the options dialog: chess pattern
    QT_TRANSLATE_NOOP3("Olk", "Chess", "DeckChess"),
    //: deck (card backs) list item in the options dialog: diamond (rhombus) pattern, not the suit
    QT_TRANSLATE_NOOP3("Olk", "Diamond", "DeckDiamond"),
    //: deck (card backs) list item in the options dialog: knights
    QT_TRANSLATE_NOOP3("Olk", "Knightly", "DeckKnightly"),
    //: deck (card backs) list item in the options dialog: ten backs with animal pictures
    QT_TRANSLATE_NOOP3("Olk", "Animals", "DeckAnimals"),
    //: deck (card backs) list item in the options dialog: ten backs with flowers
    QT_TRANSLATE_NOOP3("Olk", "Flowers", "DeckFlowers"),
    //: deck (card backs) list item in the options dialog: ten backs with pictures of places
    QT_TRANSLATE_NOOP3("Olk", "Places", "DeckPlaces"),
    //: deck (card backs) list item in the options dialog: ten backs with other pictures
    QT_TRANSLATE_NOOP3("Olk", "Other", "DeckOther"),
    //: deck (card backs) list item in the options dialog: Russian-style backs
    QT_TRANSLATE_NOOP3("Olk", "Russian", "DeckRussian"),
    //: count window title, followed by ":  " and the player's name; also the history table column
    //: header listing the player(s) of a game (210 units wide)
    QT_TRANSLATE_NOOP3("Olk", "Player", "Player"),
    //: heading of the count window (opened by "General score")
    QT_TRANSLATE_NOOP3("Olk", "Information about game", "InformationAboutGame"),
    //: count window label: the player's score before this game
    QT_TRANSLATE_NOOP3("Olk", "The initial score:", "TheInitialScore"),
    //: count window label: the score won or lost in this game so far
    QT_TRANSLATE_NOOP3("Olk", "The current score:", "TheCurrentScore"),
    //: count window label: initial score plus current score
    QT_TRANSLATE_NOOP3("Olk", "The general score:", "TheGeneralScore"),
    //: count window label: the player's rating before this game
    QT_TRANSLATE_NOOP3("Olk", "The initial rating:", "TheInitialRating"),
    //: count window label: the rating the player would have if the game ended now
    QT_TRANSLATE_NOOP3("Olk", "The current rating:", "TheCurrentRating"),
    //: title of the end-of-cycle window shown after a completed cycle of 40 deals
    QT_TRANSLATE_NOOP3("Olk", "The completion of game", "TheCompletionOfGame"),
    //: end-of-cycle window, first line (large font) when the result entered the top ten
    QT_TRANSLATE_NOOP3("Olk", "CONGRATULATIONS!!!", "Congratulations"),
    //: end-of-cycle window line: the result is the best one (place 1)
    QT_TRANSLATE_NOOP3("Olk", "Your result - the best!", "YourResultTheBest"),
    //: end-of-cycle window line; followed by the cycle score (and, in an account game out of the
    //: top ten, by " ; " and "Place: " with the place)
    QT_TRANSLATE_NOOP3("Olk", "Result: ", "ResultColon"),
    //: end-of-cycle window line for place 1 in a local game: the honorary title earned
    QT_TRANSLATE_NOOP3("Olk", "You become a Master of the Order!", "MasterOfOrder"),
    //: end-of-cycle window line for place 1 in a network game: the honorary title earned
    QT_TRANSLATE_NOOP3("Olk", "You become a Bachelor of the Order!", "BachelorOfOrder"),
    //: end-of-cycle window line for place 1 in an online account game: the honorary title earned
    QT_TRANSLATE_NOOP3("Olk", "You become the Vice-President of the order!",
                       "VicePresidentOfOrder"),
    //: end-of-cycle window line for places 2 to 10
    QT_TRANSLATE_NOOP3("Olk", "Good result!", "GoodResult"),
    //: end-of-cycle window line for places 2 to 10: you got into the top ten
    QT_TRANSLATE_NOOP3("Olk", "You have hitted in top ten players!", "HittedTopTen"),
    //: end-of-cycle window, first line when the result did not enter the top ten
    QT_TRANSLATE_NOOP3("Olk", "Our regrets...", "OurRegrets"),
    //: end-of-cycle window line when the result did not enter the top ten: the result leaves much
    //: to be desired
    QT_TRANSLATE_NOOP3("Olk", "Your result keeps to wish best", "YourResultKeepsToWishBest"),
    //: end-of-cycle window (account game): followed by the world place number, after "Result: " +
    //: score + " ; "
    QT_TRANSLATE_NOOP3("Olk", "Place: ", "PlaceColon"),
    //: end-of-cycle window line: you did not get into the top ten
    QT_TRANSLATE_NOOP3("Olk", "You have not hitted in ten best players...", "NotHittedTopTen"),
    //: end-of-cycle window (account game with a bonus): followed by a blank, the bonus amount, a
    //: blank, "Tevs" and "!!!"
    QT_TRANSLATE_NOOP3("Olk", "You get", "YouGet"),
    //: heading of the local top ten window in network mode (Windows version, network games);
    //: capitals
    QT_TRANSLATE_NOOP3("Olk", "WINDOWS. NET GAMES", "WindowsNetGames"),
    //: heading of the local top ten window in local mode (Windows version, games against the
    //: computer); capitals
    QT_TRANSLATE_NOOP3("Olk", "WINDOWS. LOCAL GAMES WITH PC", "WindowsLocalGames"),
    //: column heading of the score column in the top ten window
    QT_TRANSLATE_NOOP3("Olk", "Score", "Score"),
    //: title of the world statistics window of this game
    QT_TRANSLATE_NOOP3("Olk", "Statistics", "Statistics"),
    //: heading of the statistics window; capitals
    QT_TRANSLATE_NOOP3("Olk", "WORLD STATS", "WorldStats"),
    //: statistics label: how often the game was started worldwide
    QT_TRANSLATE_NOOP3("Olk", "Number of starts", "NumberOfStarts"),
    //: statistics label: number of different installations that started the game
    QT_TRANSLATE_NOOP3("Olk", "Number of unique starts", "NumberOfUniqueStarts"),
    //: statistics label: number of 'likes' the game received
    QT_TRANSLATE_NOOP3("Olk", "Likes", "Likes"),
    //: statistics label: nick of the last player who liked the game
    QT_TRANSLATE_NOOP3("Olk", "Last Like", "LastLike"),
    //: statistics label: number of completed 40-deal cycles against the computer worldwide
    QT_TRANSLATE_NOOP3("Olk", "Cycles played with PC", "CyclesPlayedWithPc"),
    //: statistics label: total points won by people against the computer
    QT_TRANSLATE_NOOP3("Olk", "Winning people (game with PC)", "WinningPeople"),
    //: statistics label: total points lost by people against the computer
    QT_TRANSLATE_NOOP3("Olk", "Loss of people (game with PC)", "LossOfPeople"),
    //: statistics label: number of network games played worldwide
    QT_TRANSLATE_NOOP3("Olk", "Games played Net", "GamesPlayedNet"),
    //: statistics label: number of online tournament games played worldwide
    QT_TRANSLATE_NOOP3("Olk", "Games played Online", "GamesPlayedOnline"),
    //: shown in place of online data when the online service cannot be reached (statistics window:
    //: number of starts)
    QT_TRANSLATE_NOOP3("Olk", "No Connect", "NoConnect"),
    //: button of the statistics window: send a 'like' for this game
    QT_TRANSLATE_NOOP3("Olk", "I like this game!", "ILikeThisGame"),
    //: title of the history window
    QT_TRANSLATE_NOOP3("Olk", "History of games", "HistoryOfGames"),
    //: history window file list item: followed by "I", the 4-digit file number, a blank and the
    //: file's date (e.g. File I0001 17.05.2024); list 180 units wide
    QT_TRANSLATE_NOOP3("Olk", "File ", "HistoryFile"),
    //: single disabled item of the history file list when no history file exists; list 180 units
    //: wide
    QT_TRANSLATE_NOOP3("Olk", "No History Files", "NoHistoryFiles"),
    //: history table column header: time the game ended (column 45 units wide, keep very short)
    QT_TRANSLATE_NOOP3("Olk", "Time", "Time"),
    //: history table column header: date of the game (column 65 units wide)
    QT_TRANSLATE_NOOP3("Olk", "Date", "Date"),
    //: history table column header: number of deals played in the game (column 45 units wide, keep
    //: very short)
    QT_TRANSLATE_NOOP3("Olk", "Games", "Games"),
    //: history table column header: score result of the game (column 55 units wide)
    QT_TRANSLATE_NOOP3("Olk", "Result", "Result"),
    //: history table column header: the player's rating after the game (column 55 units wide)
    QT_TRANSLATE_NOOP3("Olk", "Rating", "Rating"),
    //: history table column header: kind of game (column 80 units wide)
    QT_TRANSLATE_NOOP3("Olk", "Type", "Type"),
    //: history table, Type column: a local game against the computer (column 80 units)
    QT_TRANSLATE_NOOP3("Olk", "Local", "GameTypeLocal"),
    //: history table, Type column: a network game (column 80 units)
    QT_TRANSLATE_NOOP3("Olk", "Net", "GameTypeNet"),
    //: history table, Type column: a game played with an online account (column 80 units)
    QT_TRANSLATE_NOOP3("Olk", "Account", "GameTypeAccount"),
    //: history table, Type column: an online tournament game (column 80 units)
    QT_TRANSLATE_NOOP3("Olk", "Tourney", "GameTypeTourney"),
    //: caption of the new-game dialog in which the player enters name and password (and network
    //: settings)
    QT_TRANSLATE_NOOP3("Olk", "Welcome!", "Welcome"),
    //: Welcome dialog label above the name field
    QT_TRANSLATE_NOOP3("Olk", "Enter Your name:", "EnterYourName"),
    //: Welcome dialog label above the password field
    QT_TRANSLATE_NOOP3("Olk", "Enter Your password:", "EnterYourPassword"),
    //: Welcome dialog label above the second password field: repeat the password to confirm it
    QT_TRANSLATE_NOOP3("Olk", "And once again for check...", "AndOnceAgainForCheck"),
    //: Welcome dialog group caption: choose whether this computer hosts the network game or joins
    //: one
    QT_TRANSLATE_NOOP3("Olk", "Server / Client", "ServerClient"),
    //: Welcome dialog choice: this computer is the server (host) and creates the network game
    QT_TRANSLATE_NOOP3("Olk", "Server create the game", "ServerCreateTheGame"),
    //: Welcome dialog choice: this computer is a client and joins a network game
    QT_TRANSLATE_NOOP3("Olk", "Client enters to game", "ClientEntersToGame"),
    //: Welcome dialog label above the server's IP address field
    QT_TRANSLATE_NOOP3("Olk", "Enter IP of server:", "EnterIpOfServer"),
    //: Welcome dialog label above the server's port field
    QT_TRANSLATE_NOOP3("Olk", "Enter Port of server:", "EnterPortOfServer"),
    //: Welcome dialog label beside the (fixed) number of deals of a network match
    QT_TRANSLATE_NOOP3("Olk", "Number games:", "NumberGames"),
    //: Welcome dialog button: show this computer's own IP addresses
    QT_TRANSLATE_NOOP3("Olk", "To receive the IP-addresses", "ToReceiveIpAddresses"),
    //: hint of the address box that shows 127.0.0.1: the loopback address of this computer
    QT_TRANSLATE_NOOP3("Olk", "Loop", "LoopbackHint"),
    //: Welcome dialog error line: the name is empty
    QT_TRANSLATE_NOOP3("Olk", "Incorrect name!", "IncorrectName"),
    //: Welcome dialog error line: the two passwords typed differ
    QT_TRANSLATE_NOOP3("Olk", "The passwords do not coincide!", "PasswordsDoNotCoincide"),
    //: Welcome dialog error line: wrong password for the chosen player
    QT_TRANSLATE_NOOP3("Olk", "The incorrect password!", "IncorrectPassword"),
    //: Welcome dialog error line: the server address is not a valid IPv4 address
    QT_TRANSLATE_NOOP3("Olk", "Incorrect IP-address!", "IncorrectIpAddress"),
    //: Welcome dialog error line: the port is empty
    QT_TRANSLATE_NOOP3("Olk", "Incorrect Port!", "IncorrectPort"),
    //: caption of the waiting window shown while a network game is being set up
    QT_TRANSLATE_NOOP3("Olk", "Please, wait...", "PleaseWait"),
    //: waiting window status line on the host: waiting for other players to connect
    QT_TRANSLATE_NOOP3("Olk", "Expectation of connection of other players...",
                       "ExpectationOfConnection"),
    //: waiting window status line on a joining player: waiting to be accepted into a game
    QT_TRANSLATE_NOOP3("Olk", "Expectation of game...", "ExpectationOfGame"),
    //: waiting window line on the host: the second player has joined
    QT_TRANSLATE_NOOP3("Olk", "The second player was connected...", "SecondPlayerConnected"),
    //: waiting window line on the host: the third player has joined
    QT_TRANSLATE_NOOP3("Olk", "The third player was connected...", "ThirdPlayerConnected"),
    //: waiting window line on the host: the fourth player has joined
    QT_TRANSLATE_NOOP3("Olk", "The fourth player was connected...", "FourthPlayerConnected"),
    //: waiting window status line on a joining player: no game was found at the address given
    QT_TRANSLATE_NOOP3("Olk", "There are no accessible games", "NoAccessibleGames"),
    //: information box after "To change a name"; two lines, the second followed directly by the new
    //: name
    QT_TRANSLATE_NOOP3(
        "Olk",
        "Your name and/or the password were successfully changed!\n\rNew name: ", "NameChanged"),
    //: connection-lost error box, first piece: 'one of the players'; followed by a blank and "has
    //: interrupted game!"
    QT_TRANSLATE_NOOP3("Olk", "One of player", "OneOfPlayer"),
    //: connection-lost error box, second piece after "One of player" + blank: has left/broken off
    //: the network game; followed by a line break and "Press OK for exit to the main menu..."
    QT_TRANSLATE_NOOP3("Olk", "has interrupted game!", "HasInterruptedGame"),
    //: connection-lost error box, last line: press the OK button to return to the main menu
    //: (mentions the box's OK button)
    QT_TRANSLATE_NOOP3("Olk", "Press OK for exit to the main menu...", "PressOkForExit"),
    //: error message; followed by a blank and a file name (a missing picture library, shown in the
    //: attention box) or by a blank, the full path in double quotes and "!" (a missing club file;
    //: the program then ends). The apostrophe is a grave accent
    QT_TRANSLATE_NOOP3("Olk", "Can`t find the file", "CantFindTheFile"),
    //: error box at start when a club file is damaged; followed by a blank, the full path in double
    //: quotes and "!"; the program then ends
    QT_TRANSLATE_NOOP3("Olk", "The incorrect file", "TheIncorrectFile"),
    //: warning box at start, first piece; followed by a blank, the path in double quotes and " has
    //: incorrect attributes!..."
    QT_TRANSLATE_NOOP3("Olk", "The file", "TheFile"),
    //: warning box at start, second piece, after "The file" + blank + quoted path: the club file is
    //: read-only, hidden or system; two lines; leading blank kept
    QT_TRANSLATE_NOOP3("Olk",
                       " has incorrect attributes!\n\rThe work of the program will be incorrect!",
                       "HasIncorrectAttributes"),
    //: error box: a club file could not be written
    QT_TRANSLATE_NOOP3("Olk", "Error of disk writing!", "ErrorOfDiskWriting"),
    //: error message: the history file could not be written (spelling and grave-accent apostrophe
    //: as in the original)
    QT_TRANSLATE_NOOP3("Olk", "Cann`t save history!", "CannotSaveHistory"),
    //: error box: the settings file could not be written; apostrophe is a grave accent
    QT_TRANSLATE_NOOP3("Olk", "Can`t save options!", "CantSaveOptions"),
    //: error box at start: the temporary melody file could not be written; apostrophe is a grave
    //: accent
    QT_TRANSLATE_NOOP3("Olk", "Can`t create music file!", "CantCreateMusicFile"),
    //: calendar page of the main menu: name of month 1, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "January", "Month1"),
    //: calendar page of the main menu: name of month 2, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "February", "Month2"),
    //: calendar page of the main menu: name of month 3, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "March", "Month3"),
    //: calendar page of the main menu: name of month 4, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "April", "Month4"),
    //: calendar page of the main menu: name of month 5, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "May", "Month5"),
    //: calendar page of the main menu: name of month 6, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "June", "Month6"),
    //: calendar page of the main menu: name of month 7, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "July", "Month7"),
    //: calendar page of the main menu: name of month 8, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "August", "Month8"),
    //: calendar page of the main menu: name of month 9, drawn on a 60 px page at 8 points (7 points
    //: when longer than 8 characters); keep short. Only "September" is quoted, the other names are
    //: the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "September", "Month9"),
    //: calendar page of the main menu: name of month 10, drawn on a 60 px page at 8 points (7
    //: points when longer than 8 characters); keep short. Only "September" is quoted, the other
    //: names are the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "October", "Month10"),
    //: calendar page of the main menu: name of month 11, drawn on a 60 px page at 8 points (7
    //: points when longer than 8 characters); keep short. Only "September" is quoted, the other
    //: names are the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "November", "Month11"),
    //: calendar page of the main menu: name of month 12, drawn on a 60 px page at 8 points (7
    //: points when longer than 8 characters); keep short. Only "September" is quoted, the other
    //: names are the plain English month names
    QT_TRANSLATE_NOOP3("Olk", "December", "Month12"),
    //: hint of the left calendar page: sign of the zodiac no. 0 (index 0 = Aries), 21 March - 20
    //: April
    QT_TRANSLATE_NOOP3("Olk", "Aries", "Zodiac0"),
    //: hint of the left calendar page: sign of the zodiac no. 1 (index 0 = Aries), 21 April - 20
    //: May
    QT_TRANSLATE_NOOP3("Olk", "Taurus", "Zodiac1"),
    //: hint of the left calendar page: sign of the zodiac no. 2 (index 0 = Aries), 21 May - 21 June
    QT_TRANSLATE_NOOP3("Olk", "Gemini", "Zodiac2"),
    //: hint of the left calendar page: sign of the zodiac no. 3 (index 0 = Aries), 22 June - 22
    //: July
    QT_TRANSLATE_NOOP3("Olk", "Cancer", "Zodiac3"),
    //: hint of the left calendar page: sign of the zodiac no. 4 (index 0 = Aries), 23 July - 23
    //: August
    QT_TRANSLATE_NOOP3("Olk", "Leo", "Zodiac4"),
    //: hint of the left calendar page: sign of the zodiac no. 5 (index 0 = Aries), 24 August - 23
    //: September
    QT_TRANSLATE_NOOP3("Olk", "Virgo", "Zodiac5"),
    //: hint of the left calendar page: sign of the zodiac no. 6 (index 0 = Aries), 24 September -
    //: 23 October
    QT_TRANSLATE_NOOP3("Olk", "Libra", "Zodiac6"),
    //: hint of the left calendar page: sign of the zodiac no. 7 (index 0 = Aries), 24 October - 22
    //: November
    QT_TRANSLATE_NOOP3("Olk", "Scorpio", "Zodiac7"),
    //: hint of the left calendar page: sign of the zodiac no. 8 (index 0 = Aries), 23 November - 21
    //: December
    QT_TRANSLATE_NOOP3("Olk", "Sagittarius", "Zodiac8"),
    //: hint of the left calendar page: sign of the zodiac no. 9 (index 0 = Aries), 22 December - 20
    //: January
    QT_TRANSLATE_NOOP3("Olk", "Capricorn", "Zodiac9"),
    //: hint of the left calendar page: sign of the zodiac no. 10 (index 0 = Aries), 21 January - 20
    //: February
    QT_TRANSLATE_NOOP3("Olk", "Aquarius", "Zodiac10"),
    //: hint of the left calendar page: sign of the zodiac no. 11 (index 0 = Aries), 21 February -
    //: 20 March
    QT_TRANSLATE_NOOP3("Olk", "Pisces", "Zodiac11"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 0 (rat)
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Rat", "AnimalYear0"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 1 (ox); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Ox", "AnimalYear1"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 2 (tiger); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Tiger", "AnimalYear2"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 3 (rabbit); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Rabbit", "AnimalYear3"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 4 (dragon); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Dragon", "AnimalYear4"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 5 (snake); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Snake", "AnimalYear5"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 6 (horse); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Horse", "AnimalYear6"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 7 (goat); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Goat", "AnimalYear7"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 8 (monkey); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Monkey", "AnimalYear8"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 9 (rooster); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Rooster", "AnimalYear9"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 10 (dog); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Dog", "AnimalYear10"),
    //: hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year
    //: - 4) mod 12 = 11 (pig); only "Year Of The Rat" is quoted, this text follows its pattern
    QT_TRANSLATE_NOOP3("Olk", "Year Of The Pig", "AnimalYear11"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a holiday of the United Kingdom
    QT_TRANSLATE_NOOP3("Olk", "Holiday UK", "HolidayKind0"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a Russian holiday
    QT_TRANSLATE_NOOP3("Olk", "Russian Festival", "HolidayKind1"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a German holiday
    QT_TRANSLATE_NOOP3("Olk", "German holiday", "HolidayKind2"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a French holiday
    QT_TRANSLATE_NOOP3("Olk", "French holiday", "HolidayKind3"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a Spanish holiday
    QT_TRANSLATE_NOOP3("Olk", "Spanish holiday", "HolidayKind4"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a holiday of the United States
    QT_TRANSLATE_NOOP3("Olk", "Holiday United States", "HolidayKind5"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): an Orthodox church feast
    QT_TRANSLATE_NOOP3("Olk", "The Orthodox holiday", "HolidayKind6"),
    //: calendar hint: kind of the holiday, in parentheses after the holiday's name (after the
    //: anniversary and ", " when there is one): a Catholic church feast
    QT_TRANSLATE_NOOP3("Olk", "Catholic feast", "HolidayKind7"),
    //: calendar hint: appended directly to the number of years since the event, inside the
    //: parentheses after the holiday's name (e.g. 80-th anniversary)
    QT_TRANSLATE_NOOP3("Olk", "-th anniversary", "AnniversarySuffix"),
    //: button of a question box: agree (for example to leave the game)
    QT_TRANSLATE_NOOP3("Olk", "Yes", "Yes"),
    //: button of a question box: refuse
    QT_TRANSLATE_NOOP3("Olk", "No", "No"),
    //: "Welcome!" dialog, error line (one line, keep it short): a name in another script (Greek,
    //: Chinese, ...) cannot be kept by the club file, which holds Latin and Cyrillic letters only
    QT_TRANSLATE_NOOP3("Olk", "A name may use Latin or Cyrillic letters only!", "NameLetters"),
    //: "Welcome!" dialog, line under the fields (one line, keep it short): accented letters of the
    //: typed name were replaced by plain ones (José -> Jose); the field now shows the name as it
    //: will be kept, and "Ok" accepts it
    QT_TRANSLATE_NOOP3("Olk", "This is how the club writes it. Ok?", "NameKeptAs"),
    //: start-up picture, small line at the bottom: how to go on to the main menu
    QT_TRANSLATE_NOOP3("Olk", "Click or press any key", "ClickOrPressAnyKey"),
    //: attention box when hosting a network game: the chosen port could not be opened for
    //: listening (another program uses it, or it is not allowed)
    QT_TRANSLATE_NOOP3("Olk", "The port cannot be opened: it may be in use.", "CantOpenPort"),
    //: caption of the passport dialog: the player's light online identity (nick, country,
    //: city, sex) that signs world-table results and chat lines
    QT_TRANSLATE_NOOP3("Olk", "My Passport", "MyPassport"),
    //: label before the nick (player's online name) field; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Nick", "NickLabel"),
    //: label before the continent and country lists; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Country", "CountryLabel"),
    //: label before the city field; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "City", "CityLabel"),
    //: label before the sex list (male/female); ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Sex", "SexLabel"),
    //: sex list entry
    QT_TRANSLATE_NOOP3("Olk", "Male", "Male"),
    //: sex list entry
    QT_TRANSLATE_NOOP3("Olk", "Female", "Female"),
    //: continent list entry
    QT_TRANSLATE_NOOP3("Olk", "Europe", "ContinentEurope"),
    //: continent list entry
    QT_TRANSLATE_NOOP3("Olk", "Asia", "ContinentAsia"),
    //: continent list entry
    QT_TRANSLATE_NOOP3("Olk", "North America", "ContinentNorthAmerica"),
    //: continent list entry
    QT_TRANSLATE_NOOP3("Olk", "South America", "ContinentSouthAmerica"),
    //: continent list entry (Australia and the Pacific islands)
    QT_TRANSLATE_NOOP3("Olk", "Oceania", "ContinentOceania"),
    //: continent list entry
    QT_TRANSLATE_NOOP3("Olk", "Africa", "ContinentAfrica"),
    //: title of the account dialog: the players' club of the maker's games; VARNOLIA is a name,
    //: keep it (transliterate only if your script requires it)
    QT_TRANSLATE_NOOP3("Olk", "CLUB \"VARNOLIA\"", "AccountTitle"),
    //: account dialog, first tab caption
    QT_TRANSLATE_NOOP3("Olk", "My account", "TabMyAccount"),
    //: account dialog, heading of the first tab
    QT_TRANSLATE_NOOP3("Olk", "Your account information", "YourAccountInformation"),
    //: account dialog, label before the password field
    QT_TRANSLATE_NOOP3("Olk", "Password", "PasswordLabel"),
    //: account dialog, label before the e-mail field (with its colon)
    QT_TRANSLATE_NOOP3("Olk", "E-Mail:", "EMailLabel"),
    //: account dialog, label before the registration date; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Registration", "RegistrationLabel"),
    //: account dialog, check box: the password field shows # characters
    QT_TRANSLATE_NOOP3("Olk", "Hide password", "HidePassword"),
    //: account dialog, check box: the next games count for the club's world rating
    QT_TRANSLATE_NOOP3("Olk", "Play global rating", "PlayGlobalRating"),
    //: account dialog, button: register a new club account
    QT_TRANSLATE_NOOP3("Olk", "Create an account", "CreateAccount"),
    //: account dialog, button while logged out
    QT_TRANSLATE_NOOP3("Olk", "Login to account", "LoginToAccount"),
    //: account dialog, the same button while logged in
    QT_TRANSLATE_NOOP3("Olk", "Sign out", "SignOut"),
    //: account dialog, button: remember this account on this computer so it logs in at start
    QT_TRANSLATE_NOOP3("Olk", "Save", "SaveUser"),
    //: account dialog, button: forget the account remembered on this computer
    QT_TRANSLATE_NOOP3("Olk", "Delete", "DeleteUser"),
    //: account dialog, second tab caption
    QT_TRANSLATE_NOOP3("Olk", "My results", "TabMyResults"),
    //: account dialog, heading of the second tab
    QT_TRANSLATE_NOOP3("Olk", "Information about your games", "InformationAboutYourGames"),
    //: account dialog, results row: the name of the game; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Game", "ResultsGame"),
    //: account dialog, results row: place in the club's rating; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Place", "ResultsPlace"),
    //: account dialog, results row: deals played for the rating; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Played games", "PlayedGames"),
    //: account dialog, results row; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "My best score", "MyBestScore"),
    //: account dialog, results row: completed cycles of 40 deals; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Played cycles", "PlayedCycles"),
    //: account dialog, results row: deals played in the current cycle; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Current Deal", "CurrentDeal"),
    //: account dialog, results row: score of the current cycle; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Current Score", "CurrentScore"),
    //: account dialog, third tab caption: the ten best-rated players
    QT_TRANSLATE_NOOP3("Olk", "Top 10", "TabTopTen"),
    //: account dialog, heading of the third tab
    QT_TRANSLATE_NOOP3("Olk", "Top 10 best rated players", "TopTenBestRated"),
    //: account dialog, top ten column header over the country flags: one letter for "Country"
    QT_TRANSLATE_NOOP3("Olk", "C", "ColumnCountry"),
    //: account dialog, Tevs tab, button: how to buy Tevs (the club's currency)
    QT_TRANSLATE_NOOP3("Olk", "Add Tevs to Your account", "AddTevs"),
    //: account dialog, Tevs tab, heading over the transfer controls
    QT_TRANSLATE_NOOP3("Olk", "Transfer", "TransferLabel"),
    //: account dialog, hint of the amount box
    QT_TRANSLATE_NOOP3("Olk", "Transfer amount", "TransferAmountHint"),
    //: account dialog, hint of the target nick field
    QT_TRANSLATE_NOOP3("Olk", "Nick of the club member you want to transfer to",
                       "TransferTargetHint"),
    //: account dialog, button: send the amount to the member named
    QT_TRANSLATE_NOOP3("Olk", "Transfer Tevs", "TransferTevs"),
    //: button or hint: read the values from the club's service again / open the personal data
    QT_TRANSLATE_NOOP3("Olk", "Refresh", "RefreshButton"),
    //: account dialog, fifth tab caption: own photo and personal information; also the title of the
    //: personal data window
    QT_TRANSLATE_NOOP3("Olk", "About me", "TabAboutMe"),
    //: account dialog, sixth tab caption: the best-rated player of the club
    QT_TRANSLATE_NOOP3("Olk", "President", "TabPresident"),
    //: account dialog, heading of the sixth tab; the game's name in quotes follows
    QT_TRANSLATE_NOOP3("Olk", "President of the Order", "PresidentOfTheOrder"),
    //: account dialog, note after a click copied a contact
    QT_TRANSLATE_NOOP3("Olk", "Copied to clipboard!", "CopiedToClipboard"),
    //: payment comment word put on the clipboard after the nick and "#": the payment refills the
    //: account
    QT_TRANSLATE_NOOP3("Olk", "Refill", "Refill"),
    //: message before the payment page opens
    QT_TRANSLATE_NOOP3("Olk",
                       "Add a comment when you pay, simply by inserting it from the clipboard!",
                       "AddCommentWhenPaying"),
    //: second line of the same message
    QT_TRANSLATE_NOOP3("Olk",
                       "In case of payment, Tevs will be credited to the account within 24 hours.",
                       "TevsCreditedWithin"),
    //: message after registration
    QT_TRANSLATE_NOOP3("Olk", "Your account has been successfully created!", "AccountCreated"),
    //: message: registration refused, the nick is taken
    QT_TRANSLATE_NOOP3("Olk", "The club already has a player with the same Nick!", "NickTaken"),
    //: message: registration failed
    QT_TRANSLATE_NOOP3("Olk", "Could not create account!", "CouldNotCreateAccount"),
    //: message
    QT_TRANSLATE_NOOP3("Olk", "Login failed!", "LoginFailed"),
    //: message
    QT_TRANSLATE_NOOP3("Olk", "You do not have enough Tevs to transfer!", "NotEnoughTevs"),
    //: message: the amount is 0
    QT_TRANSLATE_NOOP3("Olk", "I can not make an empty transfer!", "EmptyTransfer"),
    //: question; followed by a blank, the nick in double quotes, the amount, "Tevs" and "?"
    QT_TRANSLATE_NOOP3("Olk", "Do you really want to transfer to a club member",
                       "TransferQuestion"),
    //: message
    QT_TRANSLATE_NOOP3("Olk", "Transfer is successful!", "TransferDone"),
    //: message
    QT_TRANSLATE_NOOP3("Olk", "There is no club member with that nick!", "NoSuchMember"),
    //: message: the club's service could not be reached
    QT_TRANSLATE_NOOP3("Olk", "No Connect!", "NoConnectMessage"),
    //: personal data field hint: first name
    QT_TRANSLATE_NOOP3("Olk", "Your name", "HintName1"),
    //: personal data field hint
    QT_TRANSLATE_NOOP3("Olk", "Your last name", "HintName2"),
    //: personal data field hint
    QT_TRANSLATE_NOOP3("Olk", "Brief information about you", "HintAbout"),
    //: personal data field hint
    QT_TRANSLATE_NOOP3("Olk", "Your phone number", "HintTelephone"),
    //: personal data field hint
    QT_TRANSLATE_NOOP3("Olk", "Your e-mail", "HintEMail"),
    //: personal data field hint
    QT_TRANSLATE_NOOP3("Olk", "Your web site", "HintWebSite"),
    //: personal data field hint (Skype is a name)
    QT_TRANSLATE_NOOP3("Olk", "Your skype", "HintSkype"),
    //: personal data field hint (OK is the social network Odnoklassniki, keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your OK", "HintOK"),
    //: personal data field hint (VK is a social network, keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your VK", "HintVK"),
    //: personal data field hint (keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your Telegram", "HintTelegram"),
    //: personal data field hint (keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your Facebook", "HintFaceBook"),
    //: personal data field hint (keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your Twitter", "HintTwitter"),
    //: personal data field hint (keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your Instagram", "HintInstagram"),
    //: personal data field hint (keep the name)
    QT_TRANSLATE_NOOP3("Olk", "Your YouTube", "HintYouTube"),
    //: personal data window, note
    QT_TRANSLATE_NOOP3("Olk", "This information may be visible to other club members.",
                       "InfoMayBeVisible"),
    //: personal data window, button: upload the chosen photo
    QT_TRANSLATE_NOOP3("Olk", "Refresh photo", "RefreshPhoto"),
    //: personal data window, button: save the fields
    QT_TRANSLATE_NOOP3("Olk", "Update info", "UpdateInfo"),
    //: button that closes a window
    QT_TRANSLATE_NOOP3("Olk", "Close", "CloseButton"),
    //: message: the chosen picture is refused
    QT_TRANSLATE_NOOP3("Olk", "The photo must be in jpg format 200x250 pixels in size!",
                       "PhotoFormat"),
    //: message
    QT_TRANSLATE_NOOP3("Olk", "Failed to upload photo to server!", "PhotoUploadFailed"),
    //: title of the file chooser for the own photo
    QT_TRANSLATE_NOOP3("Olk", "Choose your photo", "ChoosePhoto"),
    //: file chooser filter name; the patterns follow it
    QT_TRANSLATE_NOOP3("Olk", "JPEG pictures", "PhotoFilter"),
    //: hint over the photo in the personal data window
    QT_TRANSLATE_NOOP3("Olk", "Click to choose a photo (JPEG, 200 x 250)", "ClickPhotoHint"),
    //: message: the club's service did not answer a rated game's record
    QT_TRANSLATE_NOOP3("Olk", "Could not connect to server!", "CouldNotConnectToServer"),
    //: question after a failed request: try again? (follows another message)
    QT_TRANSLATE_NOOP3("Olk", "Repeat?", "RepeatQuestion"),
    //: message: a result could not be sent to the world table
    QT_TRANSLATE_NOOP3("Olk", "Unable to write the result of the game!", "UnableToWriteResult"),
    //: title of the world score table windows (the best results of all players of this game)
    QT_TRANSLATE_NOOP3("Olk", "World Top Ten", "WorldTopTen"),
    //: button: send the cycle's result to the world table
    QT_TRANSLATE_NOOP3("Olk", "Send", "SendButton"),
    //: label; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Your score", "YourScore"),
    //: label; ":" follows it
    QT_TRANSLATE_NOOP3("Olk", "Your place", "YourPlace"),
    //: label under a world table: how many results it holds; ": " and the number follow
    QT_TRANSLATE_NOOP3("Olk", "Number of games", "NumberOfGames"),
    //: the world table of the desktop edition of the game (players on computers)
    QT_TRANSLATE_NOOP3("Olk", "Windows", "TableWindows"),
    //: the world table of the game's phone edition
    QT_TRANSLATE_NOOP3("Olk", "Android", "TableAndroid"),
    //: the world table of the club's account players
    QT_TRANSLATE_NOOP3("Olk", "Club accounts", "TableAccounts"),
    //: message: the club has paused its world tables
    QT_TRANSLATE_NOOP3("Olk", "World Top Ten Tournament is temporarily unavailable!",
                       "WorldTopTenPaused"),
    //: hint of the main menu's globe: opens the world score tables
    QT_TRANSLATE_NOOP3("Olk", "World top ten", "WorldTopTenCommand"),
    //: account dialog, fourth tab caption: the Tevs balance and transfers (the currency's name,
    //: nominative plural)
    QT_TRANSLATE_NOOP3("Olk", "Tevs", "TabTevs"),
    //: title of the players' chat window (Tev is the maker's name; keep 'Tev')
    QT_TRANSLATE_NOOP3("Olk", "Tev Games Chat", "ChatWindowTitle"),
    //: chat window check box: draw the newest message in the last row instead of the first
    QT_TRANSLATE_NOOP3("Olk", "Last message at the bottom", "LastMessageAtBottom"),
    //: chat window check box: open the chat window by itself during a game when a new message
    //: arrives (the original wording is terse; keep it short)
    QT_TRANSLATE_NOOP3("Olk", "Open this window when a new message", "OpenOnNewMessage"),
    //: message box: the chat message could not be sent to the online service
    QT_TRANSLATE_NOOP3("Olk", "Unable to send a message!", "UnableToSendMessage"),
    //: message box: the online chat is paused by the service
    QT_TRANSLATE_NOOP3("Olk", "Chat is temporarily unavailable!", "ChatUnavailable"),
    //: hint of the main menu's news indicator (Tev is the maker's name; keep 'Tev')
    QT_TRANSLATE_NOOP3("Olk", "Tev News!", "TevNewsHint"),
    //: hint of the main menu's chat indicator (Tev is the maker's name; keep 'Tev')
    QT_TRANSLATE_NOOP3("Olk", "Tev Chat!", "TevChatHint"),
    //: question asked once at the first start; Yes allows the anonymous statistics, No forbids them
    QT_TRANSLATE_NOOP3("Olk", "May Olk send anonymous counters to the game's world statistics: how often it starts, how many games are played, points won and lost? No name or address is sent. You can change this at any time in Options.", "StatisticsQuestion"),
    //: options dialog check box: allow sending the anonymous usage counters (starts, games, wins,
    //: losses)
    QT_TRANSLATE_NOOP3("Olk", "Send anonymous statistics", "SendStatistics"),
    //: input box of the statistics window's like button when the passport nick is still the default
    //: 'Incognito'
    QT_TRANSLATE_NOOP3("Olk", "Your nick for the world statistics (2 to 12 letters, digits or !(),-.@_):", "LikeNickQuestion"),
    //: world top ten heading (capitals): the club accounts ranked by rating over all their games
    QT_TRANSLATE_NOOP3("Olk", "ACCOUNT. RATING. ALL GAMES", "AccountRatingHeading"),
    //: world top ten heading (capitals): the accounts' best scores of a 40-deal cycle
    QT_TRANSLATE_NOOP3("Olk", "ACCOUNT. SCORE. GAMES IN CYCLE", "AccountScoreHeading"),
    //: world top ten heading (capitals): the best 40-deal cycle scores of the desktop game (keep
    //: 'WINDOWS' as the platform's name)
    QT_TRANSLATE_NOOP3("Olk", "WINDOWS. SCORE. GAMES IN CYCLE", "WindowsScoreHeading"),
    //: world top ten heading (capitals): the best 40-deal cycle scores of the phone game
    QT_TRANSLATE_NOOP3("Olk", "ANDROID. SCORE. GAMES IN CYCLE", "AndroidScoreHeading"),
    //: world top ten heading (capitals): the online tournament's rankings
    QT_TRANSLATE_NOOP3("Olk", "WINDOWS. ONLINE TOURNAMENT", "TournamentHeading"),
    //: title of the online tournament window (capitals)
    QT_TRANSLATE_NOOP3("Olk", "WORLD ONLINE TOURNAMENT", "TournamentTitle"),
    //: tournament place button: leave the place the player holds
    QT_TRANSLATE_NOOP3("Olk", "Log off", "LogOff"),
    //: tournament place button: sit down at this free place (short; the button is about 150 units
    //: wide)
    QT_TRANSLATE_NOOP3("Olk", "Take the place of", "TakeThePlaceOf"),
    //: tournament place button: the place is free but cannot be taken yet (a lower place is still
    //: empty)
    QT_TRANSLATE_NOOP3("Olk", "Free", "PlaceFree"),
    //: tournament window: the tournament server is closed or cannot be reached (place buttons and
    //: the status picture)
    QT_TRANSLATE_NOOP3("Olk", "Server Off", "ServerOff"),
    //: tournament window: the tournament server is open
    QT_TRANSLATE_NOOP3("Olk", "Server On", "ServerOn"),
    //: message box: another player from the same internet address already sits at this tournament
    //: table
    QT_TRANSLATE_NOOP3("Olk", "This table is already occupied by a player with your IP!", "SameAddressAtTable"),
    //: title of the hint of the tournament place buttons, which names the table's rules
    QT_TRANSLATE_NOOP3("Olk", "Rules", "RulesTitle"),
    //: message box: the connection to the tournament relay server failed; the place is given up
    QT_TRANSLATE_NOOP3("Olk", "Server connection error!", "ServerConnectionError"),
    //: title of the window with the tournament's best ten players
    QT_TRANSLATE_NOOP3("Olk", "Tournament Top Ten", "TournamentTopTenTitle"),
    //: title of the box shown when the player's own move clock ran out in a tournament game
    QT_TRANSLATE_NOOP3("Olk", "You lose!", "YouLose"),
    //: text of the box shown when the player's own move clock ran out in a tournament game
    QT_TRANSLATE_NOOP3("Olk", "Your time is up!", "YourTimeIsUp"),
    //: title of the box shown when another tournament player left or ran out of time
    QT_TRANSLATE_NOOP3("Olk", "You won!", "YouWon"),
    //: tournament: follows "Player" + blank + the player's name: that player left the table
    QT_TRANSLATE_NOOP3("Olk", "interrupted the game!", "InterruptedTheGame"),
    //: tournament: follows "Player" + blank + the player's name: that player's move clock ran out
    QT_TRANSLATE_NOOP3("Olk", "time is up!", "TimeIsUp"),
    //: message box: the connection to the tournament relay server was lost during a game
    QT_TRANSLATE_NOOP3("Olk", "Lost connection with the server!", "LostConnectionWithServer"),
    //: calendar hint: name of a holiday, an international day on 1 January; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "New Year", "Holiday01"),
    //: calendar hint: name of a holiday, a holiday of the United States on 20 January; the
    //: established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Inauguration day", "Holiday02"),
    //: calendar hint: name of a holiday, a Russian holiday on 25 January; the established name of
    //: this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "Tatyana`s day, the day of Russian students", "Holiday03"),
    //: calendar hint: name of a holiday, a Russian holiday on 27 January; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of the lifting of the siege of Leningrad", "Holiday04"),
    //: calendar hint: name of a holiday, a holiday of the United States on the third Monday of
    //: January; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Martin Luther King Day", "Holiday05"),
    //: calendar hint: name of a holiday, a Russian holiday on 2 February, remembering an event of
    //: 1943; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the victory of Soviet forces in the battle of Stalingrad", "Holiday06"),
    //: calendar hint: name of a holiday, a Russian holiday on 8 February; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of Russian Science", "Holiday07"),
    //: calendar hint: name of a holiday, an international day on 14 February; the established name
    //: of this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "Valentine`s day", "Holiday08"),
    //: calendar hint: name of a holiday, a Russian holiday on 23 February; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Defender of the fatherland day", "Holiday09"),
    //: calendar hint: name of a holiday, an international day on 8 March; the established name of
    //: this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "International women`s day", "Holiday10"),
    //: calendar hint: name of a holiday, a holiday of the United States on 17 March; the
    //: established name of this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "St. Patrick`s day", "Holiday11"),
    //: calendar hint: name of a holiday, an international day on 1 April; the established name of
    //: this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "April Fool`s day", "Holiday12"),
    //: calendar hint: name of a holiday, a Russian holiday on 2 April; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Unity day", "Holiday13"),
    //: calendar hint: name of a holiday, a Russian holiday on 12 April; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of cosmonautics", "Holiday14"),
    //: calendar hint: name of a holiday, a Russian holiday on 18 April, remembering an event of
    //: 1242; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the victory of the Russian army in the battle on the ice", "Holiday15"),
    //: calendar hint: name of a holiday, an international day on 1 May; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Labor Day", "Holiday16"),
    //: calendar hint: name of a holiday, a Spanish holiday on 2 May; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day Of Madrid", "Holiday17"),
    //: calendar hint: name of a holiday, a Russian holiday on 7 May; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Radio day", "Holiday18"),
    //: calendar hint: name of a holiday, a French holiday on 8 May; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Victory day", "Holiday19"),
    //: calendar hint: name of a holiday, a Russian holiday on 9 May, remembering an event of 1945;
    //: the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Victory day in Great Patriotic war", "Holiday20"),
    //: calendar hint: name of a holiday, a Russian holiday on 24 May; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of Slavonic Literature and culture", "Holiday21"),
    //: calendar hint: name of a holiday, a Russian holiday on 29 May; the established name of this
    //: day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "Chemist`s day", "Holiday22"),
    //: calendar hint: name of a holiday, an international day on 1 June; the established name of
    //: this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "International children`s day", "Holiday23"),
    //: calendar hint: name of a holiday, a Russian holiday on 12 June; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Russia Day", "Holiday24"),
    //: calendar hint: name of a holiday, a holiday of the United States on 14 June; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "American flag day", "Holiday25"),
    //: calendar hint: name of a holiday, a French holiday on 21 June; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Music day", "Holiday26"),
    //: calendar hint: name of a holiday, a Russian memorial day on 22 June; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of remembrance and mourning", "Holiday27"),
    //: calendar hint: name of a holiday, a Russian holiday on 27 June; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Youth day", "Holiday28"),
    //: calendar hint: name of a holiday, a holiday of the United States on 4 July; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Independence day", "Holiday29"),
    //: calendar hint: name of a holiday, a Russian holiday on 8 July; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of family, love and fidelity", "Holiday30"),
    //: calendar hint: name of a holiday, a Russian holiday on 10 July, remembering an event of
    //: 1709; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the victory of the Russian army in the battle of Poltava", "Holiday31"),
    //: calendar hint: name of a holiday, a French holiday on 14 July; the established name of this
    //: day in the language
    QT_TRANSLATE_NOOP3("Olk", "Bastille Day", "Holiday32"),
    //: calendar hint: name of a holiday, a holiday of the United States on 18 July; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "National hot dog day", "Holiday33"),
    //: calendar hint: name of a holiday, a Russian holiday on 28 July, remembering an event of 988;
    //: the established name of this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "The day of the baptism of RUS`", "Holiday34"),
    //: calendar hint: name of a holiday, a holiday of the United States on 16 August; the
    //: established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Elvis Presley Memorial Day", "Holiday35"),
    //: calendar hint: name of a holiday, a Russian holiday on 22 August; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the national flag of Russia", "Holiday36"),
    //: calendar hint: name of a holiday, a Russian holiday on 23 August, remembering an event of
    //: 1943; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the victory of Soviet forces in the battle of Kursk", "Holiday37"),
    //: calendar hint: name of a holiday, a Russian holiday on 1 September; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of knowledge", "Holiday38"),
    //: calendar hint: name of a holiday, an international day on 2 September; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of the end of World War II", "Holiday39"),
    //: calendar hint: name of a holiday, a Russian holiday on 8 September, remembering an event of
    //: 1812; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Borodino day", "Holiday40"),
    //: calendar hint: name of a holiday, an international day on 13 September; the established name
    //: of this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "Programmer`s day", "Holiday41"),
    //: calendar hint: name of a holiday, a Russian holiday on 21 September, remembering an event of
    //: 1380; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of the victory of Russian regiments in the battle of Kulikovo", "Holiday42"),
    //: calendar hint: name of a holiday, a Russian holiday on 1 October; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of older persons", "Holiday43"),
    //: calendar hint: name of a holiday, a German holiday on 3 October; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of German unity", "Holiday44"),
    //: calendar hint: name of a holiday, a Russian holiday on 5 October; the established name of
    //: this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "Teacher`s day", "Holiday45"),
    //: calendar hint: name of a holiday, a Spanish holiday on 12 October; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "National day of Spain", "Holiday46"),
    //: calendar hint: name of a holiday, a holiday of the United Kingdom on 21 October; the
    //: established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Apple day", "Holiday47"),
    //: calendar hint: name of a holiday, an international day on 31 October; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Halloween", "Holiday48"),
    //: calendar hint: name of a holiday, a holiday of the United Kingdom on 5 November; the
    //: established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Guy Fawkes night or Night campfires", "Holiday49"),
    //: calendar hint: name of a holiday, an international day on 11 November; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The end of the first world war", "Holiday50"),
    //: calendar hint: name of a holiday, a holiday of the United States on the fourth Thursday of
    //: November; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Thanksgiving", "Holiday51"),
    //: calendar hint: name of a holiday, a Russian holiday on 5 December, remembering an event of
    //: 1941; the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The first day of the Soviet troops counterattack near Moscow", "Holiday52"),
    //: calendar hint: name of a holiday, a Spanish holiday on 6 December; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Constitution Day in Spain", "Holiday53"),
    //: calendar hint: name of a holiday, a Russian holiday on 12 December; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Constitution Day Of Russia", "Holiday54"),
    //: calendar hint: name of a holiday, a Russian holiday on 22 December; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The day of power branch workers", "Holiday55"),
    //: calendar hint: name of a holiday, a Russian holiday on 27 December; the established name of
    //: this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The rescuer day Russia", "Holiday56"),
    //: calendar hint: name of a holiday, an Orthodox church feast on Orthodox Easter; the
    //: established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Easter", "Holiday57"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 7 days before Orthodox Easter;
    //: the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The entry into Jerusalem", "Holiday58"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 40 days after Orthodox Easter;
    //: the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Ascension Of Our Lord", "Holiday59"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 50 days after Orthodox Easter;
    //: the established name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Trinity Sunday", "Holiday60"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 7 January; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Christmas", "Holiday61"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 14 January; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Circumcision Of The Lord", "Holiday62"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 19 January; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Epiphany", "Holiday63"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 15 February; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Candlemas", "Holiday64"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 7 April; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Annunciation to the Most Holy Theotokos", "Holiday65"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 7 July; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "The Nativity of John the Baptist (Forerunner)", "Holiday66"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 12 July; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Day of the Holy Primate Apostles Peter and Paul", "Holiday67"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 19 August; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Transfiguration", "Holiday68"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 28 August; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Dormition of the Virgin", "Holiday69"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 11 September; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Beheading of John the Baptist", "Holiday70"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 21 September; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Nativity Of The Virgin", "Holiday71"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 27 September; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Exaltation of the Cross of the Lord", "Holiday72"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 14 October; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Protection of the Most Holy Theotokos", "Holiday73"),
    //: calendar hint: name of a holiday, an Orthodox church feast on 4 December; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Introduction to the temple of the Most Holy Theotokos", "Holiday74"),
    //: calendar hint: name of a holiday, a Catholic church feast on Western Easter; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Easter", "Holiday75"),
    //: calendar hint: name of a holiday, a Catholic church feast on 2 February; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Candlemas", "Holiday76"),
    //: calendar hint: name of a holiday, a Catholic church feast on 25 March; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Annunciation to the Most Holy Theotokos", "Holiday77"),
    //: calendar hint: name of a holiday, a Catholic church feast on 6 August; the established name
    //: of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Transfiguration", "Holiday78"),
    //: calendar hint: name of a holiday, a Catholic church feast on 8 September; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Nativity of the Mother of God", "Holiday79"),
    //: calendar hint: name of a holiday, a Catholic church feast on 1 November; the established
    //: name of this day in the language; the grave accent stands for an apostrophe
    QT_TRANSLATE_NOOP3("Olk", "All Saints` day", "Holiday80"),
    //: calendar hint: name of a holiday, a Catholic church feast on 24 December; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Christmas Eve", "Holiday81"),
    //: calendar hint: name of a holiday, a Catholic church feast on 25 December; the established
    //: name of this day in the language
    QT_TRANSLATE_NOOP3("Olk", "Christmas", "Holiday82"),
    //: attention box, first line, when a recorded deal could not be written as an animated GIF
    //: picture; the system's reason (e.g. "Permission denied") follows on the next line
    QT_TRANSLATE_NOOP3("Olk", "The game could not be saved as a GIF:", "GifNotSaved"),
    //: the radio's name: the dialog's caption and the menu icon's hint
    QT_TRANSLATE_NOOP3("Olk", "Tev Internet-Radio", "TevInternetRadio"),
    //: followed by the missing files' names, e.g. "Can`t find TevRadio.rad + TevRadio02.dll";
    //: the apostrophe is a grave accent
    QT_TRANSLATE_NOOP3("Olk", "Can`t find", "CantFind"),
    //: the radio dialog's status line while the stream starts
    QT_TRANSLATE_NOOP3("Olk", "Connecting to the station...", "RadioConnecting"),
    //: the radio dialog's status line while the station plays
    QT_TRANSLATE_NOOP3("Olk", "On the air", "RadioOnAir"),
    //: the radio dialog's status line when the station cannot be reached
    QT_TRANSLATE_NOOP3("Olk", "No connection to the station", "RadioNoConnection"),
    //: the radio dialog's status line when a playing station stops sending
    QT_TRANSLATE_NOOP3("Olk", "The station's stream broke off", "RadioBrokenOff"),
    //: the history window's button that opens the chosen player's progress chart
    QT_TRANSLATE_NOOP3("Olk", "Chart", "ChartButton"),
    //: the title of the progress chart, followed by the player's name
    QT_TRANSLATE_NOOP3("Olk", "Progress", "ChartProgress"),
    //: the progress chart's horizontal axis and tooltip: the game's number in the player's history
    QT_TRANSLATE_NOOP3("Olk", "Game", "ChartGame"),
    //: the progress chart of a player without a game in the history
    QT_TRANSLATE_NOOP3("Olk", "No games yet", "ChartNoGames"),
    //: the progress chart's note when only the latest games fit; %1 is their number
    QT_TRANSLATE_NOOP3("Olk", "The last %1 games", "ChartLastGames"),
    //: Welcome dialog of a network game, joining player: caption of the list of games heard on the local network
    QT_TRANSLATE_NOOP3("Olk", "Games on the local network", "LanGames"),
    //: Welcome dialog of a network game: the list of games on the local network is still empty
    QT_TRANSLATE_NOOP3("Olk", "No games found yet", "LanNoGames"),
    //: Welcome dialog, list of games on the local network: how many players can still join; %1 is 0..3
    QT_TRANSLATE_NOOP3("Olk", "free seats: %1", "LanFreeSeats"),
    //: a card's name as a screen reader reads it: %1 is the rank (Two ... Ace), %2 the suit (hearts ...); 'Queen of hearts'
    QT_TRANSLATE_NOOP3("Olk", "%1 of %2", "CardName"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Two", "CardRankTwo"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Three", "CardRankThree"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Four", "CardRankFour"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Five", "CardRankFive"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Six", "CardRankSix"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Seven", "CardRankSeven"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Eight", "CardRankEight"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Nine", "CardRankNine"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Ten", "CardRankTen"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Jack", "CardRankJack"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Queen", "CardRankQueen"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "King", "CardRankKing"),
    //: a card's rank in its name (%1 of "%1 of %2"), at the start of the name
    QT_TRANSLATE_NOOP3("Olk", "Ace", "CardRankAce"),
    //: a card's suit in its name (%2 of "%1 of %2")
    QT_TRANSLATE_NOOP3("Olk", "hearts", "CardSuitHearts"),
    //: a card's suit in its name (%2 of "%1 of %2")
    QT_TRANSLATE_NOOP3("Olk", "diamonds", "CardSuitDiamonds"),
    //: a card's suit in its name (%2 of "%1 of %2")
    QT_TRANSLATE_NOOP3("Olk", "clubs", "CardSuitClubs"),
    //: a card's suit in its name (%2 of "%1 of %2")
    QT_TRANSLATE_NOOP3("Olk", "spades", "CardSuitSpades"),
    //: screen reader: the name of the play table
    QT_TRANSLATE_NOOP3("Olk", "Card table", "TableAccName"),
    //: screen reader: the open pile; %1 is the name of its top card
    QT_TRANSLATE_NOOP3("Olk", "Pile: %1", "TablePileName"),
    //: screen reader: the closed deck; %1 is how many cards it holds
    QT_TRANSLATE_NOOP3("Olk", "Deck, cards left: %1", "TableDeckName"),
    //: screen reader: a card of the player's own hand; %1 its place from the left, %2 how many cards the hand holds, %3 the card's name
    QT_TRANSLATE_NOOP3("Olk", "Your card %1 of %2: %3", "TableHandCard"),
    //: screen reader and hint: the key that takes the pile's top card
    QT_TRANSLATE_NOOP3("Olk", "P or Up arrow takes this card", "TablePileKeys"),
    //: screen reader and hint: the key that takes the deck's card
    QT_TRANSLATE_NOOP3("Olk", "D or Down arrow takes a card from the deck", "TableDeckKeys"),
    //: screen reader: the keys of the own hand while a card is to be discarded
    QT_TRANSLATE_NOOP3("Olk", "Left and Right arrows choose a card; Enter or Space discards it", "TableHandKeys"),
    //: hint of the table's "To Begin" / "Next game" button: the keys that press it
    QT_TRANSLATE_NOOP3("Olk", "Key: Enter, Space or N", "KeyHintFirstButton"),
    //: hint of the table's "Knock!" button: the key that presses it
    QT_TRANSLATE_NOOP3("Olk", "Key: K", "KeyHintKnock"),
    //: hint of the table's "Exit to menu" button: the key that leaves the table (it asks first)
    QT_TRANSLATE_NOOP3("Olk", "Key: Esc", "KeyHintExit"),
    //: hint of the main menu's help icon: the key that opens the help too
    QT_TRANSLATE_NOOP3("Olk", "Key: F1", "KeyHintHelp"),
    //: about box: the program's version under its name; %1 is the number, such as 0.1.0
    QT_TRANSLATE_NOOP3("Olk", "Version %1", "AboutVersion"),
    //: about box: who made the game, after "The author of idea:"
    QT_TRANSLATE_NOOP3("Olk", "The Olk developers", "AboutDevelopers"),
    //: about box, thanks: what the KDE card deck authors gave; "Classical-1" is the card set's name, kept as it is
    QT_TRANSLATE_NOOP3("Olk", "the faces of the \"Classical-1\" cards", "AboutCardFaces"),
    //: about box, thanks: what the authors of the TimGM6mb sound font gave
    QT_TRANSLATE_NOOP3("Olk", "the sound font of the club's music", "AboutSoundFont"),
    //: about box: the licence line
    QT_TRANSLATE_NOOP3("Olk", "Free software: you may share and change it under the GNU General Public License, version 3 or later.", "AboutLicence"),
    //: hint of the music player's volume button in the main menu: a click on its right or left half, or a key
    QT_TRANSLATE_NOOP3("Olk", "Louder: click on the right or press +; softer: click on the left or press -", "KeyHintVolume"),
    //: screen reader: the main menu's music player button while the music is stopped
    QT_TRANSLATE_NOOP3("Olk", "Play the music", "MusicPlayName"),
    //: screen reader: the main menu's music player button while the music plays
    QT_TRANSLATE_NOOP3("Olk", "Pause the music", "MusicPauseName"),
    //: screen reader: the main menu's music player button that skips to the next piece
    QT_TRANSLATE_NOOP3("Olk", "Next piece", "MusicNextName"),
    //: screen reader: the main menu's music volume button; %1 is the volume, 0 to 100
    QT_TRANSLATE_NOOP3("Olk", "Music volume: %1", "MusicVolumeName"),
};

static_assert(std::size(kEntries) == static_cast<std::size_t>(Text::Count),
              "every Text needs its entry");

struct Group {
    int first;  // item number of the first entry
    const Text* items;
    int size;
};

constexpr Text kClubHeader[] = {Text::ClubHeaderScore, Text::ClubHeaderRating};
constexpr Text kMonth[] = {Text::Month1, Text::Month2,  Text::Month3,  Text::Month4,
                           Text::Month5, Text::Month6,  Text::Month7,  Text::Month8,
                           Text::Month9, Text::Month10, Text::Month11, Text::Month12};
constexpr Text kZodiac[] = {Text::Zodiac0, Text::Zodiac1, Text::Zodiac2,  Text::Zodiac3,
                            Text::Zodiac4, Text::Zodiac5, Text::Zodiac6,  Text::Zodiac7,
                            Text::Zodiac8, Text::Zodiac9, Text::Zodiac10, Text::Zodiac11};
constexpr Text kAnimalYear[] = {Text::AnimalYear0, Text::AnimalYear1,  Text::AnimalYear2,
                                Text::AnimalYear3, Text::AnimalYear4,  Text::AnimalYear5,
                                Text::AnimalYear6, Text::AnimalYear7,  Text::AnimalYear8,
                                Text::AnimalYear9, Text::AnimalYear10, Text::AnimalYear11};
constexpr Text kHolidayKind[] = {Text::HolidayKind0, Text::HolidayKind1, Text::HolidayKind2,
                                 Text::HolidayKind3, Text::HolidayKind4, Text::HolidayKind5,
                                 Text::HolidayKind6, Text::HolidayKind7};

Group groupOf(TextGroup group)
{
    switch (group) {
    case TextGroup::ClubHeader:
        return {1, kClubHeader, static_cast<int>(std::size(kClubHeader))};
    case TextGroup::Month:
        return {1, kMonth, static_cast<int>(std::size(kMonth))};
    case TextGroup::Zodiac:
        return {0, kZodiac, static_cast<int>(std::size(kZodiac))};
    case TextGroup::AnimalYear:
        return {0, kAnimalYear, static_cast<int>(std::size(kAnimalYear))};
    case TextGroup::HolidayKind:
        return {0, kHolidayKind, static_cast<int>(std::size(kHolidayKind))};
    }
    return {0, nullptr, 0};
}

}  // namespace

QString text(Text id)
{
    const Entry& entry = kEntries[static_cast<int>(id)];
    return QCoreApplication::translate(kTextContext, entry.source, entry.comment);
}

const char* sourceText(Text id)
{
    return kEntries[static_cast<int>(id)].source;
}

const char* textComment(Text id)
{
    return kEntries[static_cast<int>(id)].comment;
}

int textCount()
{
    return static_cast<int>(Text::Count);
}

QString text(TextGroup group, int item)
{
    const Group g = groupOf(group);
    const int index = item - g.first;
    if (index < 0 || index >= g.size) {
        return {};
    }
    return text(g.items[index]);
}

}  // namespace olk
