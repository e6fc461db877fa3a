<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>Olk</name>
    <message>
        <source>Olk</source>
        <comment>WindowTitle</comment>
        <extracomment>main window caption: the program&apos;s name; the same in all ten languages (do not translate)</extracomment>
        <translation>Olk</translation>
    </message>
    <message>
        <source>Ok</source>
        <comment>Ok</comment>
        <extracomment>button that confirms or closes a window: attention box, Welcome dialog, waiting window (on the host it starts the match), history, count, end-of-cycle, top ten, statistics and options windows; short button (the options one is 90 px wide)</extracomment>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <extracomment>button that closes the Welcome dialog or the waiting window without going on; short button</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>MessageBoxOk</comment>
        <extracomment>OK button of the program&apos;s information and error message boxes (help notice, connection-lost box, name-changed box, settings error box). Unsure: this may be the system&apos;s standard box button rather than a program text; also named inside the text &quot;Press OK for exit to the main menu...&quot;, so keep both consistent</extracomment>
        <translation>확인</translation>
    </message>
    <message>
        <source>Attention</source>
        <comment>AttentionTitle</comment>
        <extracomment>title of the attention box (a small modal message box with up to three lines and an Ok button). Unsure: quoted only in the general description of the attention box, not in a numbered section</extracomment>
        <translation>주의</translation>
    </message>
    <message>
        <source>New Player</source>
        <comment>NewPlayer</comment>
        <extracomment>main menu button (200 units wide): start a game with a new player who is not yet in the club list</extracomment>
        <translation>새 플레이어</translation>
    </message>
    <message>
        <source>Top Ten</source>
        <comment>TopTen</comment>
        <extracomment>main menu button (about 100 units wide) opening the local top ten of the ten best cycle scores; also the title of that window and the heading of its name column</extracomment>
        <translation>톱 10</translation>
    </message>
    <message>
        <source>History</source>
        <comment>History</comment>
        <extracomment>main menu button (about 100 units wide) opening the list of played games (history of games)</extracomment>
        <translation>기록</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>Options</comment>
        <extracomment>main menu button (about 100 units wide) opening the settings dialog; also the caption of that dialog (in the grey aristocratic dialog design the caption is also drawn in capitals in the dialog header)</extracomment>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Mode</source>
        <comment>Mode</comment>
        <extracomment>main menu button (about 100 units wide): switches the club list between showing scores and showing ratings</extracomment>
        <translation>모드</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>Exit</comment>
        <extracomment>main menu button (about 100 units wide): close the program</extracomment>
        <translation>종료</translation>
    </message>
    <message>
        <source> The members of club    Games    Score </source>
        <comment>ClubHeaderScore</comment>
        <extracomment>main menu: header row above the five club players in score mode, drawn in a fixed-width font; the blanks align the three column titles (player name, games played in the current cycle, score) with the rows below (name 20 characters, 4 blanks, 3-digit count, 4 blanks, score), so keep the same total length and column positions</extracomment>
        <translation> 클럽 회원              판수     점수  </translation>
    </message>
    <message>
        <source> The members of club    Games   Rating </source>
        <comment>ClubHeaderRating</comment>
        <extracomment>main menu: header row above the five club players in rating mode, drawn in a fixed-width font; columns: player name, number of deals played, rating with two decimals (name 20 characters, 2 blanks, 7-place count, 2 blanks, rating); keep the same total length and column positions</extracomment>
        <translation> 클럽 회원              판수    레이팅 </translation>
    </message>
    <message>
        <source>Log in to your account!</source>
        <comment>LogInToYourAccount</comment>
        <extracomment>message shown when the tournament icon of the main menu is clicked while the player is not logged in to an online account</extracomment>
        <translation>계정에 로그인하세요!</translation>
    </message>
    <message>
        <source>General score</source>
        <comment>GeneralScore</comment>
        <extracomment>pop-up menu item of the game table: opens the window with the current counts, scores and rating of the game in progress</extracomment>
        <translation>종합 점수</translation>
    </message>
    <message>
        <source>Exit to menu</source>
        <comment>ExitToMenu</comment>
        <extracomment>second action button of the table (140 units wide) and pop-up menu item: leave the game and return to the main menu</extracomment>
        <translation>메뉴로 나가기</translation>
    </message>
    <message>
        <source>To change a name</source>
        <comment>ToChangeAName</comment>
        <extracomment>pop-up menu item of the table: change the current player&apos;s name and password</extracomment>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>Speed</source>
        <comment>Speed</comment>
        <extracomment>pop-up menu item opening the card flight speed dialog; also the options dialog button, where it is followed by &quot;=&quot; and the speed level 1-6 (e.g. Speed=4)</extracomment>
        <translation>속도</translation>
    </message>
    <message>
        <source>Convention</source>
        <comment>Convention</comment>
        <extracomment>pop-up menu item of the main window. Unsure what it opens: its action is not described (probably the rules or a licence agreement)</extracomment>
        <translation>이용 약관</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>Help</comment>
        <extracomment>pop-up menu item: opens the table of contents of the program&apos;s help file</extracomment>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Comment</source>
        <comment>Comment</comment>
        <extracomment>pop-up menu item of the main window. Unsure what it opens: its action is not described (probably a page for sending a comment to the maker)</extracomment>
        <translation>의견 보내기</translation>
    </message>
    <message>
        <source>About</source>
        <comment>About</comment>
        <extracomment>pop-up menu item: opens the about box</extracomment>
        <translation>프로그램 정보</translation>
    </message>
    <message>
        <source>Radio</source>
        <comment>Radio</comment>
        <extracomment>pop-up menu item: opens the internet radio dialog</extracomment>
        <translation>라디오</translation>
    </message>
    <message>
        <source>Chat</source>
        <comment>Chat</comment>
        <extracomment>pop-up menu item: opens the online chat window</extracomment>
        <translation>채팅</translation>
    </message>
    <message>
        <source>Excuse!
<byte value="xd"/>The file of the help is not translated to the English language.</source>
        <comment>HelpNotTranslated</comment>
        <extracomment>information box shown before the help opens when the interface language is English; two lines. Unsure: it is shown only in English mode, so other languages may never display their entry (translate it anyway, naming the English language)</extracomment>
        <translation>죄송합니다!
<byte value="xd"/>도움말 파일이 영어로 번역되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The author of idea:</source>
        <comment>AboutAuthorOfIdea</comment>
        <extracomment>about box label, followed by the name of the game&apos;s author</extracomment>
        <translation>원안:</translation>
    </message>
    <message>
        <source>Separate thank you:</source>
        <comment>AboutSeparateThanks</comment>
        <extracomment>about box label, followed by the names of people who are specially thanked</extracomment>
        <translation>특별히 감사드릴 분들:</translation>
    </message>
    <message>
        <source>Official site:</source>
        <comment>AboutOfficialSite</comment>
        <extracomment>about box label, followed by the web address of the game&apos;s site</extracomment>
        <translation>공식 사이트:</translation>
    </message>
    <message>
        <source>More in detail in the help</source>
        <comment>AboutMoreInHelp</comment>
        <extracomment>about box line: more information is in the help file</extracomment>
        <translation>자세한 내용은 도움말을 참고하세요</translation>
    </message>
    <message>
        <source>You want to leave in the main menu?</source>
        <comment>LeaveToMainMenu</comment>
        <extracomment>confirmation question (Yes/No) before leaving the game table for the main menu; first line, followed on the next line by &quot;All datas for want of it will be lost!&quot;</extracomment>
        <translation>메인 메뉴로 나가시겠습니까?</translation>
    </message>
    <message>
        <source>All datas for want of it will be lost!</source>
        <comment>AllDataWillBeLost</comment>
        <extracomment>second part of the two leave confirmations: the game in progress will be lost (not saved) if you leave</extracomment>
        <translation>진행 중인 게임의 모든 데이터가 사라집니다!</translation>
    </message>
    <message>
        <source>You want to leave from game?</source>
        <comment>LeaveGame</comment>
        <extracomment>confirmation question (Yes/No) when the main window is closed while a game is on the table; followed by a blank and &quot;All datas for want of it will be lost!&quot;</extracomment>
        <translation>게임을 종료하시겠습니까?</translation>
    </message>
    <message>
        <source>Dynamic IQ for Windows (percent)</source>
        <comment>ClockHintDynamicIq</comment>
        <extracomment>hint of the main menu&apos;s right clock panel: percentage of points lost by human players against the computer (a playful &apos;IQ&apos; of the Windows version); followed by the error mark when offline</extracomment>
        <translation>Windows판 다이내믹 IQ(퍼센트)</translation>
    </message>
    <message>
        <source>Games played with PC</source>
        <comment>GamesPlayedWithPc</comment>
        <extracomment>number of deals played against the computer worldwide: hint of the right clock panel of the main menu and label in the statistics window</extracomment>
        <translation>컴퓨터와 플레이한 판 수</translation>
    </message>
    <message>
        <source>Best Windows Player: </source>
        <comment>ClockHintBestWindowsPlayer</comment>
        <extracomment>hint of the right clock panel; followed by the nick of the best player of the Windows score table (or &quot;No&quot;)</extracomment>
        <translation>Windows 최고 플레이어: </translation>
    </message>
    <message>
        <source>Best Android Player: </source>
        <comment>ClockHintBestAndroidPlayer</comment>
        <extracomment>hint of the right clock panel; followed by the nick of the best player of the Android score table (or &quot;No&quot;)</extracomment>
        <translation>Android 최고 플레이어: </translation>
    </message>
    <message>
        <source>The best player of games from under the account: </source>
        <comment>ClockHintBestAccountPlayer</comment>
        <extracomment>hint of the right clock panel; followed by the nick of the best player among games played with an online account (or &quot;No&quot;)</extracomment>
        <translation>계정 게임 최고 플레이어: </translation>
    </message>
    <message>
        <source>Tevs</source>
        <comment>Tevs</comment>
        <extracomment>name of the online game currency (plural): hint of the right clock panel showing the account balance, and in the end-of-cycle line &quot;You get&quot; + bonus + &quot;Tevs&quot; + &quot;!!!&quot;</extracomment>
        <translation>테브</translation>
    </message>
    <message>
        <source>Club members: </source>
        <comment>ClockHintClubMembers</comment>
        <extracomment>hint of the right clock panel; followed by the number of members of the online club</extracomment>
        <translation>클럽 회원 수: </translation>
    </message>
    <message>
        <source>IQ</source>
        <comment>ClockLabelIq</comment>
        <extracomment>tiny label (1-2 characters, drawn at size 8) on the clock panel beside the &apos;dynamic IQ&apos; number. Unsure whether it is meant to be translated</extracomment>
        <translation>IQ</translation>
    </message>
    <message>
        <source>D</source>
        <comment>ClockLabelDeals</comment>
        <extracomment>tiny one-letter label (size 8) on the clock panel beside the number of deals played against the computer: abbreviation of &apos;deals&apos;. Unsure whether it is meant to be translated</extracomment>
        <translation>판</translation>
    </message>
    <message>
        <source>No</source>
        <comment>ClockNoNick</comment>
        <extracomment>clock panel hint: put after &quot;Best ... Player: &quot; in place of a nick when the score table is empty (no one yet)</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>: NO CONNECT</source>
        <comment>ClockNoConnectColon</comment>
        <extracomment>clock panel hint ending when the online request failed; appended directly to the hint text (dynamic IQ, games with PC, Tevs)</extracomment>
        <translation>: 연결 안 됨</translation>
    </message>
    <message>
        <source>NO CONNECT</source>
        <comment>ClockNoConnect</comment>
        <extracomment>clock panel hint ending when the online request failed; appended directly to &quot;Best ... Player: &quot;</extracomment>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source> NO CONNECT</source>
        <comment>ClockNoConnectBlank</comment>
        <extracomment>clock panel hint ending when the online request failed; appended directly to &quot;Club members: &quot; (leading blank kept)</extracomment>
        <translation> 연결 안 됨</translation>
    </message>
    <message>
        <source>K</source>
        <comment>ClockSuffixThousand</comment>
        <extracomment>one-letter suffix after a large number on the clock panel: thousands. Unsure whether it is meant to be translated</extracomment>
        <translation>K</translation>
    </message>
    <message>
        <source>M</source>
        <comment>ClockSuffixMillion</comment>
        <extracomment>one-letter suffix after a large number on the clock panel: millions. Unsure whether it is meant to be translated</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>G</source>
        <comment>ClockSuffixBillion</comment>
        <extracomment>one-letter suffix after a large number on the clock panel: billions (giga). Unsure whether it is meant to be translated</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>To Begin</source>
        <comment>ToBegin</comment>
        <extracomment>first action button of the table (140 units wide): start playing the deal that has just been dealt</extracomment>
        <translation>시작</translation>
    </message>
    <message>
        <source>Knock!</source>
        <comment>Knock</comment>
        <extracomment>first action button of the table (140 units wide) during play: knock instead of taking a card</extracomment>
        <translation>노크!</translation>
    </message>
    <message>
        <source>Next game</source>
        <comment>NextGame</comment>
        <extracomment>first action button of the table (140 units wide) after a deal: deal the next hand (a &apos;game&apos; here means one deal)</extracomment>
        <translation>다음 판</translation>
    </message>
    <message>
        <source>PC</source>
        <comment>ComputerPlayerName</comment>
        <extracomment>name shown on the name plate (160 units) of a computer-played seat in a local game, followed by &quot;: &quot; and its points. Unsure: in network games the computer seats show the untranslated name sent over the network</extracomment>
        <translation>컴퓨터</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>GameDealCaption</comment>
        <extracomment>deal counter panel of the table (120 units wide, large font): followed by a blank and the number of deals in this game; also the deal-number hint, followed by &quot;: &quot;, the player&apos;s overall deal number, &quot; / &quot; and 40 (or 4). Here &apos;game&apos; means one deal; keep short</extracomment>
        <translation>게임</translation>
    </message>
    <message>
        <source>Move</source>
        <comment>Move</comment>
        <extracomment>deal counter panel of the table (120 units wide, large font): followed by &quot;: &quot; and the number of turns made in this deal; keep short</extracomment>
        <translation>턴</translation>
    </message>
    <message>
        <source>Current game</source>
        <comment>CurrentGameBalloon</comment>
        <extracomment>title of the balloon hint shown over the deal counter panel</extracomment>
        <translation>현재 게임</translation>
    </message>
    <message>
        <source>General number of game:</source>
        <comment>GeneralNumberOfGame</comment>
        <extracomment>label: the player&apos;s total number of deals played so far; in the deal counter balloon (followed by a blank and the number) and in the count window</extracomment>
        <translation>총 게임 수:</translation>
    </message>
    <message>
        <source>Number of round in a current cycle:</source>
        <comment>RoundInCycle</comment>
        <extracomment>label: number of the deal within the current cycle of 40 deals; in the deal counter balloon (followed by a blank, the number, &quot; / &quot; and 40) and in the count window</extracomment>
        <translation>현재 사이클의 판 번호:</translation>
    </message>
    <message>
        <source>Number of round in a current session:</source>
        <comment>RoundInSession</comment>
        <extracomment>deal counter balloon line: number of the deal within the current 4-deal session (network, account or tournament game); followed by a blank, the number, &quot; / &quot; and 4</extracomment>
        <translation>현재 세션의 판 번호:</translation>
    </message>
    <message>
        <source>Expectation of the server...</source>
        <comment>ExpectationOfServer</comment>
        <extracomment>shown on the host&apos;s name plate (160 units) while a joined network player waits for the first deal from the host (&apos;waiting for the server&apos;)</extracomment>
        <translation>서버를 기다리는 중...</translation>
    </message>
    <message>
        <source>Creating a GIF...</source>
        <comment>CreatingGif</comment>
        <extracomment>banner (175 x 40 px) shown while a recorded deal is written as an animated GIF picture; keep short</extracomment>
        <translation>GIF 만드는 중...</translation>
    </message>
    <message>
        <source>Choice of speed</source>
        <comment>ChoiceOfSpeed</comment>
        <extracomment>caption of the card flight speed dialog</extracomment>
        <translation>속도 선택</translation>
    </message>
    <message>
        <source>Select a flight speed of cards:</source>
        <comment>SelectFlightSpeed</comment>
        <extracomment>label above the slider (1 to 6) of the speed dialog: how fast cards fly across the table</extracomment>
        <translation>카드가 날아가는 속도를 선택하세요:</translation>
    </message>
    <message>
        <source>General</source>
        <comment>OptionsTabGeneral</comment>
        <extracomment>options dialog tab: general settings (language, window size, sound...); nine tabs share 360 px, keep very short</extracomment>
        <translation>일반</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>Cards</comment>
        <extracomment>options dialog tab choosing the card set (faces), and check box in the group &quot;Salute&quot; (play the salute animation when clicking cards); tab caption, keep very short</extracomment>
        <translation>카드</translation>
    </message>
    <message>
        <source>Decks</source>
        <comment>OptionsTabDecks</comment>
        <extracomment>options dialog tab choosing the deck (card backs); keep very short</extracomment>
        <translation>뒷면</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>OptionsTabGame</comment>
        <extracomment>options dialog tab with the rules of the game (rule options); keep very short. Different from the deal counter &quot;Game&quot; on the table</extracomment>
        <translation>게임</translation>
    </message>
    <message>
        <source>Fonts</source>
        <comment>OptionsTabFonts</comment>
        <extracomment>options dialog tab with the font settings; keep very short</extracomment>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>BG</source>
        <comment>OptionsTabBackground</comment>
        <extracomment>options dialog tab with the table background: abbreviation of &apos;background&apos;; keep very short</extracomment>
        <translation>배경</translation>
    </message>
    <message>
        <source>Save games</source>
        <comment>OptionsTabSaveGames</comment>
        <extracomment>options dialog tab: saving played deals as animated GIF pictures; keep short</extracomment>
        <translation>게임 저장</translation>
    </message>
    <message>
        <source>DLL</source>
        <comment>OptionsTabDll</comment>
        <extracomment>options dialog tab with the download buttons for the optional picture, sound and radio library files (DLL files); technical abbreviation, probably kept as is</extracomment>
        <translation>DLL</translation>
    </message>
    <message>
        <source>Design</source>
        <comment>OptionsTabDesign</comment>
        <extracomment>options dialog tab choosing the look of the main menu, the table and the dialogs; keep very short</extracomment>
        <translation>디자인</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <comment>Multiplayer</comment>
        <extracomment>options check box: play over the network with other people (switches the club list to the network players)</extracomment>
        <translation>멀티플레이</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <comment>Multimedia</comment>
        <extracomment>options group caption around the sound and music check boxes</extracomment>
        <translation>멀티미디어</translation>
    </message>
    <message>
        <source>Sound</source>
        <comment>Sound</comment>
        <extracomment>options check box: sound effects on/off</extracomment>
        <translation>효과음</translation>
    </message>
    <message>
        <source>Music</source>
        <comment>Music</comment>
        <extracomment>options check box: background melody on/off</extracomment>
        <translation>음악</translation>
    </message>
    <message>
        <source>Gif-animation</source>
        <comment>GifAnimation</comment>
        <extracomment>options check box: animated pictures in the main menu on/off</extracomment>
        <translation>GIF 애니메이션</translation>
    </message>
    <message>
        <source>&quot;Fly&quot; cards</source>
        <comment>FlyCards</comment>
        <extracomment>options check box: cards fly (are animated) between hand, deck and pile; the word Fly is in double quotes</extracomment>
        <translation>카드 &quot;날리기&quot;</translation>
    </message>
    <message>
        <source>Red mouse cursor</source>
        <comment>RedMouseCursor</comment>
        <extracomment>options check box: use the program&apos;s own (red) mouse cursors instead of the system ones</extracomment>
        <translation>빨간 마우스 커서</translation>
    </message>
    <message>
        <source>New buttons</source>
        <comment>NewButtons</comment>
        <extracomment>options check box: draw the program&apos;s buttons in the alternative (new) look</extracomment>
        <translation>새 버튼</translation>
    </message>
    <message>
        <source>Passport</source>
        <comment>Passport</comment>
        <extracomment>options dialog button opening the online passport (nick, country, city, sex) dialog</extracomment>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Small window</source>
        <comment>WindowSizeSmall</comment>
        <extracomment>window size list item: 760 x 500 pixels (the default size)</extracomment>
        <translation>작은 창</translation>
    </message>
    <message>
        <source>Full screen</source>
        <comment>WindowSizeFull</comment>
        <extracomment>window size list item: the window fills the screen</extracomment>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Average window 1</source>
        <comment>WindowSizeAverage1</comment>
        <extracomment>window size list item: medium window, 990 x 650 pixels</extracomment>
        <translation>중간 창 1</translation>
    </message>
    <message>
        <source>Average window 2</source>
        <comment>WindowSizeAverage2</comment>
        <extracomment>window size list item: larger medium window, 1290 x 850 pixels</extracomment>
        <translation>중간 창 2</translation>
    </message>
    <message>
        <source>Large window</source>
        <comment>WindowSizeLarge</comment>
        <extracomment>window size list item: 1520 x 1000 pixels</extracomment>
        <translation>큰 창</translation>
    </message>
    <message>
        <source>Modification</source>
        <comment>Modification</comment>
        <extracomment>options group caption (Decks tab): how the card back changes from deal to deal</extracomment>
        <translation>변경 방식</translation>
    </message>
    <message>
        <source>To change decks</source>
        <comment>ToChangeDecks</comment>
        <extracomment>option in the group &quot;Modification&quot;: the card back changes with the day of the week</extracomment>
        <translation>요일마다 변경</translation>
    </message>
    <message>
        <source>Always one</source>
        <comment>AlwaysOne</comment>
        <extracomment>option in the group &quot;Modification&quot;: always the same card back</extracomment>
        <translation>항상 같은 뒷면</translation>
    </message>
    <message>
        <source>Random</source>
        <comment>Random</comment>
        <extracomment>option in the group &quot;Modification&quot;: a random card back every deal</extracomment>
        <translation>무작위</translation>
    </message>
    <message>
        <source>Minor</source>
        <comment>Minor</comment>
        <extracomment>options group caption (Game tab) around the two rule options: minor (secondary) rules</extracomment>
        <translation>보조 규칙</translation>
    </message>
    <message>
        <source>Three of a kind is worth 30 points</source>
        <comment>ThreeOfAKind30</comment>
        <extracomment>rule option check box: a hand of three cards of the same rank scores 30</extracomment>
        <translation>트리플은 30점</translation>
    </message>
    <message>
        <source>Punish the Knocker</source>
        <comment>PunishTheKnocker</comment>
        <extracomment>rule option check box: a player who knocked and then has the lowest result of the deal scores 0</extracomment>
        <translation>노크한 사람에게 벌칙</translation>
    </message>
    <message>
        <source>Large font</source>
        <comment>FontLarge</comment>
        <extracomment>font family list item in the Fonts tab: the decorative font used for large texts</extracomment>
        <translation>큰 글꼴</translation>
    </message>
    <message>
        <source>Small font</source>
        <comment>FontSmall</comment>
        <extracomment>font family list item in the Fonts tab: the font used for small texts</extracomment>
        <translation>작은 글꼴</translation>
    </message>
    <message>
        <source>Special font</source>
        <comment>FontSpecial</comment>
        <extracomment>font family list item in the Fonts tab; followed by &quot; 1&quot; or &quot; 2&quot; (two special fonts: fixed-width and typewriter)</extracomment>
        <translation>특수 글꼴</translation>
    </message>
    <message>
        <source>Scale, %</source>
        <comment>ScalePercent</comment>
        <extracomment>label of the font scale box (50 to 150 percent)</extracomment>
        <translation>배율, %</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>DefaultFonts</comment>
        <extracomment>button in the Fonts tab: put all fonts and scales back to their defaults; short button</extracomment>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Attention!</source>
        <comment>AttentionExclamation</comment>
        <extracomment>first line of the warning note in the Fonts tab; followed on the next line by &quot;These installations should be changed only in case of incorrect map of fonts!&quot;</extracomment>
        <translation>주의!</translation>
    </message>
    <message>
        <source>These installations should be changed only in case of incorrect map of fonts!</source>
        <comment>FontsChangeWarning</comment>
        <extracomment>second line of the warning note in the Fonts tab: change these settings only when the fonts are displayed wrongly</extracomment>
        <translation>글꼴이 올바르게 표시되지 않을 때만 이 설정을 변경하세요!</translation>
    </message>
    <message>
        <source>Background</source>
        <comment>Background</comment>
        <extracomment>options group caption (BG tab) around the list of table backgrounds</extracomment>
        <translation>배경</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>BackgroundSun</comment>
        <extracomment>table background list item (picture name)</extracomment>
        <translation>태양</translation>
    </message>
    <message>
        <source>Felt</source>
        <comment>BackgroundFelt</comment>
        <extracomment>table background list item: felt cloth (the built-in background)</extracomment>
        <translation>펠트</translation>
    </message>
    <message>
        <source>Gradient</source>
        <comment>BackgroundGradient</comment>
        <extracomment>table background list item: colour gradient</extracomment>
        <translation>그라데이션</translation>
    </message>
    <message>
        <source>Cloth</source>
        <comment>BackgroundCloth</comment>
        <extracomment>table background list item: cloth</extracomment>
        <translation>천</translation>
    </message>
    <message>
        <source>Carpet</source>
        <comment>Carpet</comment>
        <extracomment>name of a table background and of a deck (card backs) with a carpet pattern</extracomment>
        <translation>카펫</translation>
    </message>
    <message>
        <source>Tree</source>
        <comment>BackgroundTree</comment>
        <extracomment>table background list item: tree (wood)</extracomment>
        <translation>나뭇결</translation>
    </message>
    <message>
        <source>Casino</source>
        <comment>BackgroundCasino</comment>
        <extracomment>table background list item: casino</extracomment>
        <translation>카지노</translation>
    </message>
    <message>
        <source>Pattern</source>
        <comment>BackgroundPattern</comment>
        <extracomment>table background list item: pattern</extracomment>
        <translation>무늬</translation>
    </message>
    <message>
        <source>Silk</source>
        <comment>BackgroundSilk</comment>
        <extracomment>table background list item: silk</extracomment>
        <translation>실크</translation>
    </message>
    <message>
        <source>Ornament</source>
        <comment>BackgroundOrnament</comment>
        <extracomment>table background list item: ornament</extracomment>
        <translation>장식 문양</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>ColourGreen</comment>
        <extracomment>background colour list item</extracomment>
        <translation>초록</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>ColourRed</comment>
        <extracomment>background colour list item</extracomment>
        <translation>빨강</translation>
    </message>
    <message>
        <source>Orang</source>
        <comment>ColourOrange</comment>
        <extracomment>background colour list item: orange (spelling as in the original)</extracomment>
        <translation>주황</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>ColourYellow</comment>
        <extracomment>background colour list item</extracomment>
        <translation>노랑</translation>
    </message>
    <message>
        <source>Light-Blue</source>
        <comment>ColourLightBlue</comment>
        <extracomment>background colour list item: light blue / cyan</extracomment>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <comment>ColourDarkBlue</comment>
        <extracomment>background colour list item: navy</extracomment>
        <translation>남색</translation>
    </message>
    <message>
        <source>Violet</source>
        <comment>ColourViolet</comment>
        <extracomment>background colour list item</extracomment>
        <translation>보라</translation>
    </message>
    <message>
        <source>Save games as GIFs</source>
        <comment>SaveGamesAsGifs</comment>
        <extracomment>options check box (Save games tab): record every deal as an animated GIF picture</extracomment>
        <translation>게임을 GIF로 저장</translation>
    </message>
    <message>
        <source>Save contents of only the main window</source>
        <comment>SaveMainWindowOnly</comment>
        <extracomment>list item: the recorded pictures show only the inside of the main window</extracomment>
        <translation>메인 창 내용만 저장</translation>
    </message>
    <message>
        <source>Save screen contents</source>
        <comment>SaveScreen</comment>
        <extracomment>list item: the recorded pictures show the whole main window taken from the screen</extracomment>
        <translation>화면 내용 저장</translation>
    </message>
    <message>
        <source>Delay between frames, msec.</source>
        <comment>DelayBetweenFrames</comment>
        <extracomment>label of the number box (10 to 5000): display time of each recorded picture frame in milliseconds</extracomment>
        <translation>프레임 간 지연, 밀리초</translation>
    </message>
    <message>
        <source>Reading the list of radio stations</source>
        <comment>ReadingRadioList</comment>
        <extracomment>options group caption (DLL tab): where the list of internet radio stations is read from</extracomment>
        <translation>라디오 방송국 목록 읽기</translation>
    </message>
    <message>
        <source>From the server</source>
        <comment>FromTheServer</comment>
        <extracomment>option: read the radio station list from the internet server</extracomment>
        <translation>서버에서</translation>
    </message>
    <message>
        <source>From disk</source>
        <comment>FromDisk</comment>
        <extracomment>option: read the radio station list from the file on disk</extracomment>
        <translation>디스크에서</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>Download</comment>
        <extracomment>balloon hint of a download button in the options dialog; followed by the name of the file to download</extracomment>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Main Menu Design</source>
        <comment>MainMenuDesign</comment>
        <extracomment>options group caption (Design tab): look of the main menu</extracomment>
        <translation>메인 메뉴 디자인</translation>
    </message>
    <message>
        <source>Game Table Design</source>
        <comment>GameTableDesign</comment>
        <extracomment>options group caption (Design tab): look of the game table</extracomment>
        <translation>게임 테이블 디자인</translation>
    </message>
    <message>
        <source>Auxiliary Window Design</source>
        <comment>AuxWindowDesign</comment>
        <extracomment>options group caption (Design tab): look of the dialogs</extracomment>
        <translation>보조 창 디자인</translation>
    </message>
    <message>
        <source>Customizable</source>
        <comment>Customizable</comment>
        <extracomment>design list item (main menu and game table): the ordinary look that follows the chosen background and colours</extracomment>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>Purple</comment>
        <extracomment>design list item (main menu, game table and dialogs): the purple look from the graphics library</extracomment>
        <translation>퍼플</translation>
    </message>
    <message>
        <source>Gray aristocratic</source>
        <comment>GrayAristocratic</comment>
        <extracomment>dialog design list item: grey look with a caption plate</extracomment>
        <translation>우아한 회색</translation>
    </message>
    <message>
        <source>Gray concise</source>
        <comment>GrayConcise</comment>
        <extracomment>dialog design list item: plain grey look</extracomment>
        <translation>간결한 회색</translation>
    </message>
    <message>
        <source>Gray with red ribbons</source>
        <comment>GrayWithRedRibbons</comment>
        <extracomment>dialog design list item: grey look with a red ribbon header</extracomment>
        <translation>빨간 리본의 회색</translation>
    </message>
    <message>
        <source>Salute</source>
        <comment>Salute</comment>
        <extracomment>options group caption (Design tab): a short firework-like animation at the mouse pointer after a click</extracomment>
        <translation>축포</translation>
    </message>
    <message>
        <source>Buttons</source>
        <comment>Buttons</comment>
        <extracomment>check box in the group &quot;Salute&quot;: play the salute when a button is clicked</extracomment>
        <translation>버튼</translation>
    </message>
    <message>
        <source>Classical-1</source>
        <comment>Classical1</comment>
        <extracomment>name of the built-in card set (faces) and of the built-in deck (backs): classical design no. 1</extracomment>
        <translation>클래식-1</translation>
    </message>
    <message>
        <source>Medieval-1</source>
        <comment>Medieval1</comment>
        <extracomment>name of a card set and of a deck: medieval design no. 1</extracomment>
        <translation>중세-1</translation>
    </message>
    <message>
        <source>Medieval-2</source>
        <comment>Medieval2</comment>
        <extracomment>name of a card set and of a deck: medieval design no. 2</extracomment>
        <translation>중세-2</translation>
    </message>
    <message>
        <source>Modern</source>
        <comment>CardSetModern</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>모던</translation>
    </message>
    <message>
        <source>Ancient Egypt</source>
        <comment>CardSetAncientEgypt</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>고대 이집트</translation>
    </message>
    <message>
        <source>Baronesse</source>
        <comment>CardSetBaronesse</comment>
        <extracomment>card set (card faces) list item in the options dialog; spelling as in the original</extracomment>
        <translation>바로네스</translation>
    </message>
    <message>
        <source>Celtic</source>
        <comment>CardSetCeltic</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>켈트</translation>
    </message>
    <message>
        <source>Corona</source>
        <comment>CardSetCorona</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>코로나</translation>
    </message>
    <message>
        <source>Crown</source>
        <comment>CardSetCrown</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>왕관</translation>
    </message>
    <message>
        <source>English Pattern</source>
        <comment>CardSetEnglishPattern</comment>
        <extracomment>card set (card faces) list item in the options dialog; the traditional English card design</extracomment>
        <translation>영국식 패턴</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <comment>CardSetFrankfurt</comment>
        <extracomment>card set (card faces) list item in the options dialog; city name</extracomment>
        <translation>프랑크푸르트</translation>
    </message>
    <message>
        <source>Historical costumes</source>
        <comment>CardSetHistoricalCostumes</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>역사 의상</translation>
    </message>
    <message>
        <source>Native Americans</source>
        <comment>CardSetNativeAmericans</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>아메리카 원주민</translation>
    </message>
    <message>
        <source>Old Garden Roses</source>
        <comment>CardSetOldGardenRoses</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>올드 가든 로즈</translation>
    </message>
    <message>
        <source>Parrots</source>
        <comment>CardSetParrots</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>앵무새</translation>
    </message>
    <message>
        <source>Royal</source>
        <comment>CardSetRoyal</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>로열</translation>
    </message>
    <message>
        <source>Shakespeare</source>
        <comment>CardSetShakespeare</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>셰익스피어</translation>
    </message>
    <message>
        <source>Big Ben</source>
        <comment>CardSetBigBen</comment>
        <extracomment>card set (card faces) list item in the options dialog; London clock tower</extracomment>
        <translation>빅벤</translation>
    </message>
    <message>
        <source>Four Reigns of English History</source>
        <comment>CardSetFourReigns</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>영국 역사의 네 왕조</translation>
    </message>
    <message>
        <source>Large Print London</source>
        <comment>CardSetLargePrintLondon</comment>
        <extracomment>card set (card faces) list item in the options dialog; cards with large indices, London design</extracomment>
        <translation>런던 큰 글자</translation>
    </message>
    <message>
        <source>Classical-2</source>
        <comment>CardSetClassical2</comment>
        <extracomment>card set (card faces) list item in the options dialog; classical design no. 2</extracomment>
        <translation>클래식-2</translation>
    </message>
    <message>
        <source>Hearts</source>
        <comment>CardSetHearts</comment>
        <extracomment>card set (card faces) list item in the options dialog; name of a card set (not the suit)</extracomment>
        <translation>하트</translation>
    </message>
    <message>
        <source>Seasons</source>
        <comment>CardSetSeasons</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>사계절</translation>
    </message>
    <message>
        <source>Rhine Style</source>
        <comment>CardSetRhineStyle</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>라인 스타일</translation>
    </message>
    <message>
        <source>Doods</source>
        <comment>CardSetDoods</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>두즈</translation>
    </message>
    <message>
        <source>Playboy</source>
        <comment>CardSetPlayboy</comment>
        <extracomment>card set (card faces) list item in the options dialog; brand-like name, probably kept</extracomment>
        <translation>플레이보이</translation>
    </message>
    <message>
        <source>Epic</source>
        <comment>CardSetEpic</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>서사시</translation>
    </message>
    <message>
        <source>USSR</source>
        <comment>CardSetUssr</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>소련</translation>
    </message>
    <message>
        <source>Plastic</source>
        <comment>CardSetPlastic</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>플라스틱</translation>
    </message>
    <message>
        <source>Skat - German suits</source>
        <comment>CardSetSkatGerman</comment>
        <extracomment>card set (card faces) list item in the options dialog; Skat cards with German suits</extracomment>
        <translation>스카트 - 독일식 무늬</translation>
    </message>
    <message>
        <source>Skat - Tournament suits</source>
        <comment>CardSetSkatTournament</comment>
        <extracomment>card set (card faces) list item in the options dialog; Skat cards with tournament suits</extracomment>
        <translation>스카트 - 토너먼트 무늬</translation>
    </message>
    <message>
        <source>Skat - French suits</source>
        <comment>CardSetSkatFrench</comment>
        <extracomment>card set (card faces) list item in the options dialog; Skat cards with French suits</extracomment>
        <translation>스카트 - 프랑스식 무늬</translation>
    </message>
    <message>
        <source>White palekh</source>
        <comment>CardSetWhitePalekh</comment>
        <extracomment>card set (card faces) list item in the options dialog; Russian design in the style of Palekh miniature painting</extracomment>
        <translation>하얀 팔레흐</translation>
    </message>
    <message>
        <source>Diana</source>
        <comment>CardSetDiana</comment>
        <extracomment>card set (card faces) list item in the options dialog; name</extracomment>
        <translation>다이애나</translation>
    </message>
    <message>
        <source>Princely</source>
        <comment>CardSetPrincely</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>왕족</translation>
    </message>
    <message>
        <source>For solitaires</source>
        <comment>CardSetForSolitaires</comment>
        <extracomment>card set (card faces) list item in the options dialog; cards made for patience (solitaire) games</extracomment>
        <translation>솔리테어용</translation>
    </message>
    <message>
        <source>Satin</source>
        <comment>CardSetSatin</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>새틴</translation>
    </message>
    <message>
        <source>Slavic</source>
        <comment>CardSetSlavic</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>슬라브</translation>
    </message>
    <message>
        <source>Maya</source>
        <comment>CardSetMaya</comment>
        <extracomment>card set (card faces) list item in the options dialog</extracomment>
        <translation>마야</translation>
    </message>
    <message>
        <source>Bast</source>
        <comment>CardSetBast</comment>
        <extracomment>card set (card faces) list item in the options dialog; Russian folk-print (lubok) style; literally &apos;bast&apos;</extracomment>
        <translation>루보크</translation>
    </message>
    <message>
        <source>French</source>
        <comment>CardSetFrench</comment>
        <extracomment>card set (card faces) list item in the options dialog; French-style cards</extracomment>
        <translation>프랑스식</translation>
    </message>
    <message>
        <source>Spanish 1</source>
        <comment>CardSetSpanish1</comment>
        <extracomment>card set (card faces) list item in the options dialog; Spanish-style cards no. 1</extracomment>
        <translation>스페인식 1</translation>
    </message>
    <message>
        <source>Spanish 2</source>
        <comment>CardSetSpanish2</comment>
        <extracomment>card set (card faces) list item in the options dialog; Spanish-style cards no. 2</extracomment>
        <translation>스페인식 2</translation>
    </message>
    <message>
        <source>Spanish 3</source>
        <comment>CardSetSpanish3</comment>
        <extracomment>card set (card faces) list item in the options dialog; Spanish-style cards no. 3</extracomment>
        <translation>스페인식 3</translation>
    </message>
    <message>
        <source>Spanish 4</source>
        <comment>CardSetSpanish4</comment>
        <extracomment>card set (card faces) list item in the options dialog; Spanish-style cards no. 4</extracomment>
        <translation>스페인식 4</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>CardSetChinese</comment>
        <extracomment>card set (card faces) list item in the options dialog; Chinese-style cards</extracomment>
        <translation>중국식</translation>
    </message>
    <message>
        <source>Italian</source>
        <comment>CardSetItalian</comment>
        <extracomment>card set (card faces) list item in the options dialog; Italian-style cards</extracomment>
        <translation>이탈리아식</translation>
    </message>
    <message>
        <source>Czech</source>
        <comment>CardSetCzech</comment>
        <extracomment>card set (card faces) list item in the options dialog; Czech-style cards</extracomment>
        <translation>체코식</translation>
    </message>
    <message>
        <source>Cross</source>
        <comment>DeckCross</comment>
        <extracomment>deck (card backs) list item in the options dialog: cross pattern</extracomment>
        <translation>십자</translation>
    </message>
    <message>
        <source>Chess</source>
        <comment>DeckChess</comment>
        <extracomment>deck (card backs) list item in the options dialog: chess pattern</extracomment>
        <translation>체스</translation>
    </message>
    <message>
        <source>Diamond</source>
        <comment>DeckDiamond</comment>
        <extracomment>deck (card backs) list item in the options dialog: diamond (rhombus) pattern, not the suit</extracomment>
        <translation>마름모</translation>
    </message>
    <message>
        <source>Knightly</source>
        <comment>DeckKnightly</comment>
        <extracomment>deck (card backs) list item in the options dialog: knights</extracomment>
        <translation>기사</translation>
    </message>
    <message>
        <source>Animals</source>
        <comment>DeckAnimals</comment>
        <extracomment>deck (card backs) list item in the options dialog: ten backs with animal pictures</extracomment>
        <translation>동물</translation>
    </message>
    <message>
        <source>Flowers</source>
        <comment>DeckFlowers</comment>
        <extracomment>deck (card backs) list item in the options dialog: ten backs with flowers</extracomment>
        <translation>꽃</translation>
    </message>
    <message>
        <source>Places</source>
        <comment>DeckPlaces</comment>
        <extracomment>deck (card backs) list item in the options dialog: ten backs with pictures of places</extracomment>
        <translation>명소</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>DeckOther</comment>
        <extracomment>deck (card backs) list item in the options dialog: ten backs with other pictures</extracomment>
        <translation>기타</translation>
    </message>
    <message>
        <source>Russian</source>
        <comment>DeckRussian</comment>
        <extracomment>deck (card backs) list item in the options dialog: Russian-style backs</extracomment>
        <translation>러시아풍</translation>
    </message>
    <message>
        <source>Player</source>
        <comment>Player</comment>
        <extracomment>count window title, followed by &quot;: &quot; and the player&apos;s name; also the history table column header listing the player(s) of a game (210 units wide)</extracomment>
        <translation>플레이어</translation>
    </message>
    <message>
        <source>Information about game</source>
        <comment>InformationAboutGame</comment>
        <extracomment>heading of the count window (opened by &quot;General score&quot;)</extracomment>
        <translation>게임 정보</translation>
    </message>
    <message>
        <source>The initial score:</source>
        <comment>TheInitialScore</comment>
        <extracomment>count window label: the player&apos;s score before this game</extracomment>
        <translation>시작 점수:</translation>
    </message>
    <message>
        <source>The current score:</source>
        <comment>TheCurrentScore</comment>
        <extracomment>count window label: the score won or lost in this game so far</extracomment>
        <translation>이번 게임 점수:</translation>
    </message>
    <message>
        <source>The general score:</source>
        <comment>TheGeneralScore</comment>
        <extracomment>count window label: initial score plus current score</extracomment>
        <translation>총점:</translation>
    </message>
    <message>
        <source>The initial rating:</source>
        <comment>TheInitialRating</comment>
        <extracomment>count window label: the player&apos;s rating before this game</extracomment>
        <translation>시작 레이팅:</translation>
    </message>
    <message>
        <source>The current rating:</source>
        <comment>TheCurrentRating</comment>
        <extracomment>count window label: the rating the player would have if the game ended now</extracomment>
        <translation>현재 레이팅:</translation>
    </message>
    <message>
        <source>The completion of game</source>
        <comment>TheCompletionOfGame</comment>
        <extracomment>title of the end-of-cycle window shown after a completed cycle of 40 deals</extracomment>
        <translation>사이클 종료</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!!!</source>
        <comment>Congratulations</comment>
        <extracomment>end-of-cycle window, first line (large font) when the result entered the top ten</extracomment>
        <translation>축하합니다!!!</translation>
    </message>
    <message>
        <source>Your result - the best!</source>
        <comment>YourResultTheBest</comment>
        <extracomment>end-of-cycle window line: the result is the best one (place 1)</extracomment>
        <translation>최고 기록입니다!</translation>
    </message>
    <message>
        <source>Result: </source>
        <comment>ResultColon</comment>
        <extracomment>end-of-cycle window line; followed by the cycle score (and, in an account game out of the top ten, by &quot; ; &quot; and &quot;Place: &quot; with the place)</extracomment>
        <translation>결과: </translation>
    </message>
    <message>
        <source>You become a Master of the Order!</source>
        <comment>MasterOfOrder</comment>
        <extracomment>end-of-cycle window line for place 1 in a local game: the honorary title earned</extracomment>
        <translation>기사단의 마스터가 되었습니다!</translation>
    </message>
    <message>
        <source>You become a Bachelor of the Order!</source>
        <comment>BachelorOfOrder</comment>
        <extracomment>end-of-cycle window line for place 1 in a network game: the honorary title earned</extracomment>
        <translation>기사단의 바첼러가 되었습니다!</translation>
    </message>
    <message>
        <source>You become the Vice-President of the order!</source>
        <comment>VicePresidentOfOrder</comment>
        <extracomment>end-of-cycle window line for place 1 in an online account game: the honorary title earned</extracomment>
        <translation>기사단의 부단장이 되었습니다!</translation>
    </message>
    <message>
        <source>Good result!</source>
        <comment>GoodResult</comment>
        <extracomment>end-of-cycle window line for places 2 to 10</extracomment>
        <translation>좋은 결과입니다!</translation>
    </message>
    <message>
        <source>You have hitted in top ten players!</source>
        <comment>HittedTopTen</comment>
        <extracomment>end-of-cycle window line for places 2 to 10: you got into the top ten</extracomment>
        <translation>톱 10에 들었습니다!</translation>
    </message>
    <message>
        <source>Our regrets...</source>
        <comment>OurRegrets</comment>
        <extracomment>end-of-cycle window, first line when the result did not enter the top ten</extracomment>
        <translation>아쉽네요...</translation>
    </message>
    <message>
        <source>Your result keeps to wish best</source>
        <comment>YourResultKeepsToWishBest</comment>
        <extracomment>end-of-cycle window line when the result did not enter the top ten: the result leaves much to be desired</extracomment>
        <translation>결과가 많이 아쉽습니다</translation>
    </message>
    <message>
        <source>Place: </source>
        <comment>PlaceColon</comment>
        <extracomment>end-of-cycle window (account game): followed by the world place number, after &quot;Result: &quot; + score + &quot; ; &quot;</extracomment>
        <translation>순위: </translation>
    </message>
    <message>
        <source>You have not hitted in ten best players...</source>
        <comment>NotHittedTopTen</comment>
        <extracomment>end-of-cycle window line: you did not get into the top ten</extracomment>
        <translation>톱 10에 들지 못했습니다...</translation>
    </message>
    <message>
        <source>You get</source>
        <comment>YouGet</comment>
        <extracomment>end-of-cycle window (account game with a bonus): followed by a blank, the bonus amount, a blank, &quot;Tevs&quot; and &quot;!!!&quot;</extracomment>
        <translation>보너스</translation>
    </message>
    <message>
        <source>WINDOWS. NET GAMES</source>
        <comment>WindowsNetGames</comment>
        <extracomment>heading of the local top ten window in network mode (Windows version, network games); capitals</extracomment>
        <translation>WINDOWS · 네트워크 게임</translation>
    </message>
    <message>
        <source>WINDOWS. LOCAL GAMES WITH PC</source>
        <comment>WindowsLocalGames</comment>
        <extracomment>heading of the local top ten window in local mode (Windows version, games against the computer); capitals</extracomment>
        <translation>WINDOWS · 컴퓨터 대전</translation>
    </message>
    <message>
        <source>Score</source>
        <comment>Score</comment>
        <extracomment>column heading of the score column in the top ten window</extracomment>
        <translation>점수</translation>
    </message>
    <message>
        <source>Statistics</source>
        <comment>Statistics</comment>
        <extracomment>title of the world statistics window of this game</extracomment>
        <translation>통계</translation>
    </message>
    <message>
        <source>WORLD STATS</source>
        <comment>WorldStats</comment>
        <extracomment>heading of the statistics window; capitals</extracomment>
        <translation>세계 통계</translation>
    </message>
    <message>
        <source>Number of starts</source>
        <comment>NumberOfStarts</comment>
        <extracomment>statistics label: how often the game was started worldwide</extracomment>
        <translation>실행 횟수</translation>
    </message>
    <message>
        <source>Number of unique starts</source>
        <comment>NumberOfUniqueStarts</comment>
        <extracomment>statistics label: number of different installations that started the game</extracomment>
        <translation>고유 실행 횟수</translation>
    </message>
    <message>
        <source>Likes</source>
        <comment>Likes</comment>
        <extracomment>statistics label: number of &apos;likes&apos; the game received</extracomment>
        <translation>좋아요</translation>
    </message>
    <message>
        <source>Last Like</source>
        <comment>LastLike</comment>
        <extracomment>statistics label: nick of the last player who liked the game</extracomment>
        <translation>마지막 좋아요</translation>
    </message>
    <message>
        <source>Cycles played with PC</source>
        <comment>CyclesPlayedWithPc</comment>
        <extracomment>statistics label: number of completed 40-deal cycles against the computer worldwide</extracomment>
        <translation>컴퓨터와 마친 사이클 수</translation>
    </message>
    <message>
        <source>Winning people (game with PC)</source>
        <comment>WinningPeople</comment>
        <extracomment>statistics label: total points won by people against the computer</extracomment>
        <translation>사람이 얻은 점수(컴퓨터 대전)</translation>
    </message>
    <message>
        <source>Loss of people (game with PC)</source>
        <comment>LossOfPeople</comment>
        <extracomment>statistics label: total points lost by people against the computer</extracomment>
        <translation>사람이 잃은 점수(컴퓨터 대전)</translation>
    </message>
    <message>
        <source>Games played Net</source>
        <comment>GamesPlayedNet</comment>
        <extracomment>statistics label: number of network games played worldwide</extracomment>
        <translation>네트워크 게임 수</translation>
    </message>
    <message>
        <source>Games played Online</source>
        <comment>GamesPlayedOnline</comment>
        <extracomment>statistics label: number of online tournament games played worldwide</extracomment>
        <translation>온라인 게임 수</translation>
    </message>
    <message>
        <source>No Connect</source>
        <comment>NoConnect</comment>
        <extracomment>shown in place of online data when the online service cannot be reached (statistics window: number of starts)</extracomment>
        <translation>연결 안 됨</translation>
    </message>
    <message>
        <source>I like this game!</source>
        <comment>ILikeThisGame</comment>
        <extracomment>button of the statistics window: send a &apos;like&apos; for this game</extracomment>
        <translation>이 게임이 좋아요!</translation>
    </message>
    <message>
        <source>History of games</source>
        <comment>HistoryOfGames</comment>
        <extracomment>title of the history window</extracomment>
        <translation>게임 기록</translation>
    </message>
    <message>
        <source>File </source>
        <comment>HistoryFile</comment>
        <extracomment>history window file list item: followed by &quot;I&quot;, the 4-digit file number, a blank and the file&apos;s date (e.g. File I0001 17.05.2024); list 180 units wide</extracomment>
        <translation>파일 </translation>
    </message>
    <message>
        <source>No History Files</source>
        <comment>NoHistoryFiles</comment>
        <extracomment>single disabled item of the history file list when no history file exists; list 180 units wide</extracomment>
        <translation>기록 파일 없음</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>Time</comment>
        <extracomment>history table column header: time the game ended (column 45 units wide, keep very short)</extracomment>
        <translation>시간</translation>
    </message>
    <message>
        <source>Date</source>
        <comment>Date</comment>
        <extracomment>history table column header: date of the game (column 65 units wide)</extracomment>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Games</source>
        <comment>Games</comment>
        <extracomment>history table column header: number of deals played in the game (column 45 units wide, keep very short)</extracomment>
        <translation>판수</translation>
    </message>
    <message>
        <source>Result</source>
        <comment>Result</comment>
        <extracomment>history table column header: score result of the game (column 55 units wide)</extracomment>
        <translation>결과</translation>
    </message>
    <message>
        <source>Rating</source>
        <comment>Rating</comment>
        <extracomment>history table column header: the player&apos;s rating after the game (column 55 units wide)</extracomment>
        <translation>레이팅</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>Type</comment>
        <extracomment>history table column header: kind of game (column 80 units wide)</extracomment>
        <translation>유형</translation>
    </message>
    <message>
        <source>Local</source>
        <comment>GameTypeLocal</comment>
        <extracomment>history table, Type column: a local game against the computer (column 80 units)</extracomment>
        <translation>로컬</translation>
    </message>
    <message>
        <source>Net</source>
        <comment>GameTypeNet</comment>
        <extracomment>history table, Type column: a network game (column 80 units)</extracomment>
        <translation>네트워크</translation>
    </message>
    <message>
        <source>Account</source>
        <comment>GameTypeAccount</comment>
        <extracomment>history table, Type column: a game played with an online account (column 80 units)</extracomment>
        <translation>계정</translation>
    </message>
    <message>
        <source>Tourney</source>
        <comment>GameTypeTourney</comment>
        <extracomment>history table, Type column: an online tournament game (column 80 units)</extracomment>
        <translation>토너먼트</translation>
    </message>
    <message>
        <source>Welcome!</source>
        <comment>Welcome</comment>
        <extracomment>caption of the new-game dialog in which the player enters name and password (and network settings)</extracomment>
        <translation>환영합니다!</translation>
    </message>
    <message>
        <source>Enter Your name:</source>
        <comment>EnterYourName</comment>
        <extracomment>Welcome dialog label above the name field</extracomment>
        <translation>이름을 입력하세요:</translation>
    </message>
    <message>
        <source>Enter Your password:</source>
        <comment>EnterYourPassword</comment>
        <extracomment>Welcome dialog label above the password field</extracomment>
        <translation>비밀번호를 입력하세요:</translation>
    </message>
    <message>
        <source>And once again for check...</source>
        <comment>AndOnceAgainForCheck</comment>
        <extracomment>Welcome dialog label above the second password field: repeat the password to confirm it</extracomment>
        <translation>확인을 위해 한 번 더 입력하세요...</translation>
    </message>
    <message>
        <source>Server / Client</source>
        <comment>ServerClient</comment>
        <extracomment>Welcome dialog group caption: choose whether this computer hosts the network game or joins one</extracomment>
        <translation>서버 / 클라이언트</translation>
    </message>
    <message>
        <source>Server create the game</source>
        <comment>ServerCreateTheGame</comment>
        <extracomment>Welcome dialog choice: this computer is the server (host) and creates the network game</extracomment>
        <translation>서버로 게임 만들기</translation>
    </message>
    <message>
        <source>Client enters to game</source>
        <comment>ClientEntersToGame</comment>
        <extracomment>Welcome dialog choice: this computer is a client and joins a network game</extracomment>
        <translation>클라이언트로 게임 참가</translation>
    </message>
    <message>
        <source>Enter IP of server:</source>
        <comment>EnterIpOfServer</comment>
        <extracomment>Welcome dialog label above the server&apos;s IP address field</extracomment>
        <translation>서버 IP 입력:</translation>
    </message>
    <message>
        <source>Enter Port of server:</source>
        <comment>EnterPortOfServer</comment>
        <extracomment>Welcome dialog label above the server&apos;s port field</extracomment>
        <translation>서버 포트 입력:</translation>
    </message>
    <message>
        <source>Number games:</source>
        <comment>NumberGames</comment>
        <extracomment>Welcome dialog label beside the (fixed) number of deals of a network match</extracomment>
        <translation>판 수:</translation>
    </message>
    <message>
        <source>To receive the IP-addresses</source>
        <comment>ToReceiveIpAddresses</comment>
        <extracomment>Welcome dialog button: show this computer&apos;s own IP addresses</extracomment>
        <translation>IP 주소 확인</translation>
    </message>
    <message>
        <source>Loop</source>
        <comment>LoopbackHint</comment>
        <extracomment>hint of the address box that shows 127.0.0.1: the loopback address of this computer</extracomment>
        <translation>루프백</translation>
    </message>
    <message>
        <source>Incorrect name!</source>
        <comment>IncorrectName</comment>
        <extracomment>Welcome dialog error line: the name is empty</extracomment>
        <translation>이름이 올바르지 않습니다!</translation>
    </message>
    <message>
        <source>The passwords do not coincide!</source>
        <comment>PasswordsDoNotCoincide</comment>
        <extracomment>Welcome dialog error line: the two passwords typed differ</extracomment>
        <translation>비밀번호가 일치하지 않습니다!</translation>
    </message>
    <message>
        <source>The incorrect password!</source>
        <comment>IncorrectPassword</comment>
        <extracomment>Welcome dialog error line: wrong password for the chosen player</extracomment>
        <translation>비밀번호가 틀렸습니다!</translation>
    </message>
    <message>
        <source>Incorrect IP-address!</source>
        <comment>IncorrectIpAddress</comment>
        <extracomment>Welcome dialog error line: the server address is not a valid IPv4 address</extracomment>
        <translation>IP 주소가 올바르지 않습니다!</translation>
    </message>
    <message>
        <source>Incorrect Port!</source>
        <comment>IncorrectPort</comment>
        <extracomment>Welcome dialog error line: the port is empty</extracomment>
        <translation>포트가 올바르지 않습니다!</translation>
    </message>
    <message>
        <source>Please, wait...</source>
        <comment>PleaseWait</comment>
        <extracomment>caption of the waiting window shown while a network game is being set up</extracomment>
        <translation>잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Expectation of connection of other players...</source>
        <comment>ExpectationOfConnection</comment>
        <extracomment>waiting window status line on the host: waiting for other players to connect</extracomment>
        <translation>다른 플레이어의 접속을 기다리는 중...</translation>
    </message>
    <message>
        <source>Expectation of game...</source>
        <comment>ExpectationOfGame</comment>
        <extracomment>waiting window status line on a joining player: waiting to be accepted into a game</extracomment>
        <translation>게임을 기다리는 중...</translation>
    </message>
    <message>
        <source>The second player was connected...</source>
        <comment>SecondPlayerConnected</comment>
        <extracomment>waiting window line on the host: the second player has joined</extracomment>
        <translation>두 번째 플레이어가 접속했습니다...</translation>
    </message>
    <message>
        <source>The third player was connected...</source>
        <comment>ThirdPlayerConnected</comment>
        <extracomment>waiting window line on the host: the third player has joined</extracomment>
        <translation>세 번째 플레이어가 접속했습니다...</translation>
    </message>
    <message>
        <source>The fourth player was connected...</source>
        <comment>FourthPlayerConnected</comment>
        <extracomment>waiting window line on the host: the fourth player has joined</extracomment>
        <translation>네 번째 플레이어가 접속했습니다...</translation>
    </message>
    <message>
        <source>There are no accessible games</source>
        <comment>NoAccessibleGames</comment>
        <extracomment>waiting window status line on a joining player: no game was found at the address given</extracomment>
        <translation>참가할 수 있는 게임이 없습니다</translation>
    </message>
    <message>
        <source>Your name and/or the password were successfully changed!
<byte value="xd"/>New name: </source>
        <comment>NameChanged</comment>
        <extracomment>information box after &quot;To change a name&quot;; two lines, the second followed directly by the new name</extracomment>
        <translation>이름 및/또는 비밀번호가 변경되었습니다!
<byte value="xd"/>새 이름: </translation>
    </message>
    <message>
        <source>One of player</source>
        <comment>OneOfPlayer</comment>
        <extracomment>connection-lost error box, first piece: &apos;one of the players&apos;; followed by a blank and &quot;has interrupted game!&quot;</extracomment>
        <translation>플레이어 한 명이</translation>
    </message>
    <message>
        <source>has interrupted game!</source>
        <comment>HasInterruptedGame</comment>
        <extracomment>connection-lost error box, second piece after &quot;One of player&quot; + blank: has left/broken off the network game; followed by a line break and &quot;Press OK for exit to the main menu...&quot;</extracomment>
        <translation>게임을 중단했습니다!</translation>
    </message>
    <message>
        <source>Press OK for exit to the main menu...</source>
        <comment>PressOkForExit</comment>
        <extracomment>connection-lost error box, last line: press the OK button to return to the main menu (mentions the box&apos;s OK button)</extracomment>
        <translation>확인을 누르면 메인 메뉴로 돌아갑니다...</translation>
    </message>
    <message>
        <source>Can`t find the file</source>
        <comment>CantFindTheFile</comment>
        <extracomment>error message; followed by a blank and a file name (a missing picture library, shown in the attention box) or by a blank, the full path in double quotes and &quot;!&quot; (a missing club file; the program then ends). The apostrophe is a grave accent</extracomment>
        <translation>파일을 찾을 수 없습니다:</translation>
    </message>
    <message>
        <source>The incorrect file</source>
        <comment>TheIncorrectFile</comment>
        <extracomment>error box at start when a club file is damaged; followed by a blank, the full path in double quotes and &quot;!&quot;; the program then ends</extracomment>
        <translation>잘못된 파일:</translation>
    </message>
    <message>
        <source>The file</source>
        <comment>TheFile</comment>
        <extracomment>warning box at start, first piece; followed by a blank, the path in double quotes and &quot; has incorrect attributes!...&quot;</extracomment>
        <translation>파일</translation>
    </message>
    <message>
        <source> has incorrect attributes!
<byte value="xd"/>The work of the program will be incorrect!</source>
        <comment>HasIncorrectAttributes</comment>
        <extracomment>warning box at start, second piece, after &quot;The file&quot; + blank + quoted path: the club file is read-only, hidden or system; two lines; leading blank kept</extracomment>
        <translation> 속성이 올바르지 않습니다!
<byte value="xd"/>프로그램이 제대로 작동하지 않을 수 있습니다!</translation>
    </message>
    <message>
        <source>Error of disk writing!</source>
        <comment>ErrorOfDiskWriting</comment>
        <extracomment>error box: a club file could not be written</extracomment>
        <translation>디스크 쓰기 오류!</translation>
    </message>
    <message>
        <source>Cann`t save history!</source>
        <comment>CannotSaveHistory</comment>
        <extracomment>error message: the history file could not be written (spelling and grave-accent apostrophe as in the original)</extracomment>
        <translation>기록을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>Can`t save options!</source>
        <comment>CantSaveOptions</comment>
        <extracomment>error box: the settings file could not be written; apostrophe is a grave accent</extracomment>
        <translation>설정을 저장할 수 없습니다!</translation>
    </message>
    <message>
        <source>Can`t create music file!</source>
        <comment>CantCreateMusicFile</comment>
        <extracomment>error box at start: the temporary melody file could not be written; apostrophe is a grave accent</extracomment>
        <translation>음악 파일을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>January</source>
        <comment>Month1</comment>
        <extracomment>calendar page of the main menu: name of month 1, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <comment>Month2</comment>
        <extracomment>calendar page of the main menu: name of month 2, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <comment>Month3</comment>
        <extracomment>calendar page of the main menu: name of month 3, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <comment>Month4</comment>
        <extracomment>calendar page of the main menu: name of month 4, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <comment>Month5</comment>
        <extracomment>calendar page of the main menu: name of month 5, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <comment>Month6</comment>
        <extracomment>calendar page of the main menu: name of month 6, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <comment>Month7</comment>
        <extracomment>calendar page of the main menu: name of month 7, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <comment>Month8</comment>
        <extracomment>calendar page of the main menu: name of month 8, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <comment>Month9</comment>
        <extracomment>calendar page of the main menu: name of month 9, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <comment>Month10</comment>
        <extracomment>calendar page of the main menu: name of month 10, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <comment>Month11</comment>
        <extracomment>calendar page of the main menu: name of month 11, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <comment>Month12</comment>
        <extracomment>calendar page of the main menu: name of month 12, drawn on a 60 px page at 8 points (7 points when longer than 8 characters); keep short. Only &quot;September&quot; is quoted, the other names are the plain English month names</extracomment>
        <translation>12월</translation>
    </message>
    <message>
        <source>Aries</source>
        <comment>Zodiac0</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 0 (index 0 = Aries), 21 March - 20 April</extracomment>
        <translation>양자리</translation>
    </message>
    <message>
        <source>Taurus</source>
        <comment>Zodiac1</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 1 (index 0 = Aries), 21 April - 20 May</extracomment>
        <translation>황소자리</translation>
    </message>
    <message>
        <source>Gemini</source>
        <comment>Zodiac2</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 2 (index 0 = Aries), 21 May - 21 June</extracomment>
        <translation>쌍둥이자리</translation>
    </message>
    <message>
        <source>Cancer</source>
        <comment>Zodiac3</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 3 (index 0 = Aries), 22 June - 22 July</extracomment>
        <translation>게자리</translation>
    </message>
    <message>
        <source>Leo</source>
        <comment>Zodiac4</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 4 (index 0 = Aries), 23 July - 23 August</extracomment>
        <translation>사자자리</translation>
    </message>
    <message>
        <source>Virgo</source>
        <comment>Zodiac5</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 5 (index 0 = Aries), 24 August - 23 September</extracomment>
        <translation>처녀자리</translation>
    </message>
    <message>
        <source>Libra</source>
        <comment>Zodiac6</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 6 (index 0 = Aries), 24 September - 23 October</extracomment>
        <translation>천칭자리</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <comment>Zodiac7</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 7 (index 0 = Aries), 24 October - 22 November</extracomment>
        <translation>전갈자리</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <comment>Zodiac8</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 8 (index 0 = Aries), 23 November - 21 December</extracomment>
        <translation>궁수자리</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <comment>Zodiac9</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 9 (index 0 = Aries), 22 December - 20 January</extracomment>
        <translation>염소자리</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <comment>Zodiac10</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 10 (index 0 = Aries), 21 January - 20 February</extracomment>
        <translation>물병자리</translation>
    </message>
    <message>
        <source>Pisces</source>
        <comment>Zodiac11</comment>
        <extracomment>hint of the left calendar page: sign of the zodiac no. 11 (index 0 = Aries), 21 February - 20 March</extracomment>
        <translation>물고기자리</translation>
    </message>
    <message>
        <source>Year Of The Rat</source>
        <comment>AnimalYear0</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 0 (rat)</extracomment>
        <translation>쥐띠 해</translation>
    </message>
    <message>
        <source>Year Of The Ox</source>
        <comment>AnimalYear1</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 1 (ox); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>소띠 해</translation>
    </message>
    <message>
        <source>Year Of The Tiger</source>
        <comment>AnimalYear2</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 2 (tiger); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>호랑이띠 해</translation>
    </message>
    <message>
        <source>Year Of The Rabbit</source>
        <comment>AnimalYear3</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 3 (rabbit); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>토끼띠 해</translation>
    </message>
    <message>
        <source>Year Of The Dragon</source>
        <comment>AnimalYear4</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 4 (dragon); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>용띠 해</translation>
    </message>
    <message>
        <source>Year Of The Snake</source>
        <comment>AnimalYear5</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 5 (snake); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>뱀띠 해</translation>
    </message>
    <message>
        <source>Year Of The Horse</source>
        <comment>AnimalYear6</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 6 (horse); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>말띠 해</translation>
    </message>
    <message>
        <source>Year Of The Goat</source>
        <comment>AnimalYear7</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 7 (goat); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>양띠 해</translation>
    </message>
    <message>
        <source>Year Of The Monkey</source>
        <comment>AnimalYear8</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 8 (monkey); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>원숭이띠 해</translation>
    </message>
    <message>
        <source>Year Of The Rooster</source>
        <comment>AnimalYear9</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 9 (rooster); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>닭띠 해</translation>
    </message>
    <message>
        <source>Year Of The Dog</source>
        <comment>AnimalYear10</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 10 (dog); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>개띠 해</translation>
    </message>
    <message>
        <source>Year Of The Pig</source>
        <comment>AnimalYear11</comment>
        <extracomment>hint of the right calendar page: year of the twelve-year (Chinese) animal cycle, index (year - 4) mod 12 = 11 (pig); only &quot;Year Of The Rat&quot; is quoted, this text follows its pattern</extracomment>
        <translation>돼지띠 해</translation>
    </message>
    <message>
        <source>Holiday UK</source>
        <comment>HolidayKind0</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a holiday of the United Kingdom</extracomment>
        <translation>영국 공휴일</translation>
    </message>
    <message>
        <source>Russian Festival</source>
        <comment>HolidayKind1</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a Russian holiday</extracomment>
        <translation>러시아 공휴일</translation>
    </message>
    <message>
        <source>German holiday</source>
        <comment>HolidayKind2</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a German holiday</extracomment>
        <translation>독일 공휴일</translation>
    </message>
    <message>
        <source>French holiday</source>
        <comment>HolidayKind3</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a French holiday</extracomment>
        <translation>프랑스 공휴일</translation>
    </message>
    <message>
        <source>Spanish holiday</source>
        <comment>HolidayKind4</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a Spanish holiday</extracomment>
        <translation>스페인 공휴일</translation>
    </message>
    <message>
        <source>Holiday United States</source>
        <comment>HolidayKind5</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a holiday of the United States</extracomment>
        <translation>미국 공휴일</translation>
    </message>
    <message>
        <source>The Orthodox holiday</source>
        <comment>HolidayKind6</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): an Orthodox church feast</extracomment>
        <translation>정교회 축일</translation>
    </message>
    <message>
        <source>Catholic feast</source>
        <comment>HolidayKind7</comment>
        <extracomment>calendar hint: kind of the holiday, in parentheses after the holiday&apos;s name (after the anniversary and &quot;, &quot; when there is one): a Catholic church feast</extracomment>
        <translation>가톨릭 축일</translation>
    </message>
    <message>
        <source>-th anniversary</source>
        <comment>AnniversarySuffix</comment>
        <extracomment>calendar hint: appended directly to the number of years since the event, inside the parentheses after the holiday&apos;s name (e.g. 80-th anniversary)</extracomment>
        <translation>주년</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>Yes</comment>
        <extracomment>button of a question box: agree (for example to leave the game)</extracomment>
        <translation>예</translation>
    </message>
    <message>
        <source>No</source>
        <comment>No</comment>
        <extracomment>button of a question box: refuse</extracomment>
        <translation>아니요</translation>
    </message>
    <message>
        <source>A name may use Latin or Cyrillic letters only!</source>
        <comment>NameLetters</comment>
        <extracomment>&quot;Welcome!&quot; dialog, error line (one line, keep it short): a name in another script (Greek, Chinese, ...) cannot be kept by the club file, which holds Latin and Cyrillic letters only</extracomment>
        <translation>이름에는 라틴 문자나 키릴 문자만 쓸 수 있습니다!</translation>
    </message>
    <message>
        <source>This is how the club writes it. Ok?</source>
        <comment>NameKeptAs</comment>
        <extracomment>&quot;Welcome!&quot; dialog, line under the fields (one line, keep it short): accented letters of the typed name were replaced by plain ones (José -&gt; Jose); the field now shows the name as it will be kept, and &quot;Ok&quot; accepts it</extracomment>
        <translation>클럽에는 이 이름으로 기록됩니다. 괜찮습니까?</translation>
    </message>
    <message>
        <source>Click or press any key</source>
        <comment>ClickOrPressAnyKey</comment>
        <extracomment>start-up picture, small line at the bottom: how to go on to the main menu</extracomment>
        <translation>클릭하거나 아무 키나 누르세요</translation>
    </message>
    <message>
        <source>The port cannot be opened: it may be in use.</source>
        <comment>CantOpenPort</comment>
        <extracomment>attention box when hosting a network game: the chosen port could not be opened for listening (another program uses it, or it is not allowed)</extracomment>
        <translation>포트를 열 수 없습니다. 사용 중일 수 있습니다.</translation>
    </message>
    <message>
        <source>My Passport</source>
        <comment>MyPassport</comment>
        <extracomment>caption of the passport dialog: the player&apos;s light online identity (nick, country, city, sex) that signs world-table results and chat lines</extracomment>
        <translation>내 여권</translation>
    </message>
    <message>
        <source>Nick</source>
        <comment>NickLabel</comment>
        <extracomment>label before the nick (player&apos;s online name) field; &quot;:&quot; follows it</extracomment>
        <translation>닉네임</translation>
    </message>
    <message>
        <source>Country</source>
        <comment>CountryLabel</comment>
        <extracomment>label before the continent and country lists; &quot;:&quot; follows it</extracomment>
        <translation>국가</translation>
    </message>
    <message>
        <source>City</source>
        <comment>CityLabel</comment>
        <extracomment>label before the city field; &quot;:&quot; follows it</extracomment>
        <translation>도시</translation>
    </message>
    <message>
        <source>Sex</source>
        <comment>SexLabel</comment>
        <extracomment>label before the sex list (male/female); &quot;:&quot; follows it</extracomment>
        <translation>성별</translation>
    </message>
    <message>
        <source>Male</source>
        <comment>Male</comment>
        <extracomment>sex list entry</extracomment>
        <translation>남성</translation>
    </message>
    <message>
        <source>Female</source>
        <comment>Female</comment>
        <extracomment>sex list entry</extracomment>
        <translation>여성</translation>
    </message>
    <message>
        <source>Europe</source>
        <comment>ContinentEurope</comment>
        <extracomment>continent list entry</extracomment>
        <translation>유럽</translation>
    </message>
    <message>
        <source>Asia</source>
        <comment>ContinentAsia</comment>
        <extracomment>continent list entry</extracomment>
        <translation>아시아</translation>
    </message>
    <message>
        <source>North America</source>
        <comment>ContinentNorthAmerica</comment>
        <extracomment>continent list entry</extracomment>
        <translation>북아메리카</translation>
    </message>
    <message>
        <source>South America</source>
        <comment>ContinentSouthAmerica</comment>
        <extracomment>continent list entry</extracomment>
        <translation>남아메리카</translation>
    </message>
    <message>
        <source>Oceania</source>
        <comment>ContinentOceania</comment>
        <extracomment>continent list entry (Australia and the Pacific islands)</extracomment>
        <translation>오세아니아</translation>
    </message>
    <message>
        <source>Africa</source>
        <comment>ContinentAfrica</comment>
        <extracomment>continent list entry</extracomment>
        <translation>아프리카</translation>
    </message>
    <message>
        <source>CLUB &quot;VARNOLIA&quot;</source>
        <comment>AccountTitle</comment>
        <extracomment>title of the account dialog: the players&apos; club of the maker&apos;s games; VARNOLIA is a name, keep it (transliterate only if your script requires it)</extracomment>
        <translation>클럽 &quot;VARNOLIA&quot;</translation>
    </message>
    <message>
        <source>My account</source>
        <comment>TabMyAccount</comment>
        <extracomment>account dialog, first tab caption</extracomment>
        <translation>내 계정</translation>
    </message>
    <message>
        <source>Your account information</source>
        <comment>YourAccountInformation</comment>
        <extracomment>account dialog, heading of the first tab</extracomment>
        <translation>계정 정보</translation>
    </message>
    <message>
        <source>Password</source>
        <comment>PasswordLabel</comment>
        <extracomment>account dialog, label before the password field</extracomment>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>E-Mail:</source>
        <comment>EMailLabel</comment>
        <extracomment>account dialog, label before the e-mail field (with its colon)</extracomment>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>Registration</source>
        <comment>RegistrationLabel</comment>
        <extracomment>account dialog, label before the registration date; &quot;:&quot; follows it</extracomment>
        <translation>가입일</translation>
    </message>
    <message>
        <source>Hide password</source>
        <comment>HidePassword</comment>
        <extracomment>account dialog, check box: the password field shows # characters</extracomment>
        <translation>비밀번호 숨기기</translation>
    </message>
    <message>
        <source>Play global rating</source>
        <comment>PlayGlobalRating</comment>
        <extracomment>account dialog, check box: the next games count for the club&apos;s world rating</extracomment>
        <translation>세계 레이팅 게임</translation>
    </message>
    <message>
        <source>Create an account</source>
        <comment>CreateAccount</comment>
        <extracomment>account dialog, button: register a new club account</extracomment>
        <translation>계정 만들기</translation>
    </message>
    <message>
        <source>Login to account</source>
        <comment>LoginToAccount</comment>
        <extracomment>account dialog, button while logged out</extracomment>
        <translation>로그인</translation>
    </message>
    <message>
        <source>Sign out</source>
        <comment>SignOut</comment>
        <extracomment>account dialog, the same button while logged in</extracomment>
        <translation>로그아웃</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>SaveUser</comment>
        <extracomment>account dialog, button: remember this account on this computer so it logs in at start</extracomment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Delete</source>
        <comment>DeleteUser</comment>
        <extracomment>account dialog, button: forget the account remembered on this computer</extracomment>
        <translation>삭제</translation>
    </message>
    <message>
        <source>My results</source>
        <comment>TabMyResults</comment>
        <extracomment>account dialog, second tab caption</extracomment>
        <translation>내 성적</translation>
    </message>
    <message>
        <source>Information about your games</source>
        <comment>InformationAboutYourGames</comment>
        <extracomment>account dialog, heading of the second tab</extracomment>
        <translation>내 게임 정보</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>ResultsGame</comment>
        <extracomment>account dialog, results row: the name of the game; &quot;:&quot; follows it</extracomment>
        <translation>게임</translation>
    </message>
    <message>
        <source>Place</source>
        <comment>ResultsPlace</comment>
        <extracomment>account dialog, results row: place in the club&apos;s rating; &quot;:&quot; follows it</extracomment>
        <translation>순위</translation>
    </message>
    <message>
        <source>Played games</source>
        <comment>PlayedGames</comment>
        <extracomment>account dialog, results row: deals played for the rating; &quot;:&quot; follows it</extracomment>
        <translation>플레이한 판</translation>
    </message>
    <message>
        <source>My best score</source>
        <comment>MyBestScore</comment>
        <extracomment>account dialog, results row; &quot;:&quot; follows it</extracomment>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Played cycles</source>
        <comment>PlayedCycles</comment>
        <extracomment>account dialog, results row: completed cycles of 40 deals; &quot;:&quot; follows it</extracomment>
        <translation>완료한 사이클</translation>
    </message>
    <message>
        <source>Current Deal</source>
        <comment>CurrentDeal</comment>
        <extracomment>account dialog, results row: deals played in the current cycle; &quot;:&quot; follows it</extracomment>
        <translation>현재 판</translation>
    </message>
    <message>
        <source>Current Score</source>
        <comment>CurrentScore</comment>
        <extracomment>account dialog, results row: score of the current cycle; &quot;:&quot; follows it</extracomment>
        <translation>현재 점수</translation>
    </message>
    <message>
        <source>Top 10</source>
        <comment>TabTopTen</comment>
        <extracomment>account dialog, third tab caption: the ten best-rated players</extracomment>
        <translation>톱 10</translation>
    </message>
    <message>
        <source>Top 10 best rated players</source>
        <comment>TopTenBestRated</comment>
        <extracomment>account dialog, heading of the third tab</extracomment>
        <translation>레이팅 상위 10명</translation>
    </message>
    <message>
        <source>C</source>
        <comment>ColumnCountry</comment>
        <extracomment>account dialog, top ten column header over the country flags: one letter for &quot;Country&quot;</extracomment>
        <translation>국</translation>
    </message>
    <message>
        <source>Add Tevs to Your account</source>
        <comment>AddTevs</comment>
        <extracomment>account dialog, Tevs tab, button: how to buy Tevs (the club&apos;s currency)</extracomment>
        <translation>계정에 테브 추가</translation>
    </message>
    <message>
        <source>Transfer</source>
        <comment>TransferLabel</comment>
        <extracomment>account dialog, Tevs tab, heading over the transfer controls</extracomment>
        <translation>이체</translation>
    </message>
    <message>
        <source>Transfer amount</source>
        <comment>TransferAmountHint</comment>
        <extracomment>account dialog, hint of the amount box</extracomment>
        <translation>이체 금액</translation>
    </message>
    <message>
        <source>Nick of the club member you want to transfer to</source>
        <comment>TransferTargetHint</comment>
        <extracomment>account dialog, hint of the target nick field</extracomment>
        <translation>이체받을 클럽 회원의 닉네임</translation>
    </message>
    <message>
        <source>Transfer Tevs</source>
        <comment>TransferTevs</comment>
        <extracomment>account dialog, button: send the amount to the member named</extracomment>
        <translation>테브 이체</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>RefreshButton</comment>
        <extracomment>button or hint: read the values from the club&apos;s service again / open the personal data</extracomment>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>About me</source>
        <comment>TabAboutMe</comment>
        <extracomment>account dialog, fifth tab caption: own photo and personal information; also the title of the personal data window</extracomment>
        <translation>내 소개</translation>
    </message>
    <message>
        <source>President</source>
        <comment>TabPresident</comment>
        <extracomment>account dialog, sixth tab caption: the best-rated player of the club</extracomment>
        <translation>회장</translation>
    </message>
    <message>
        <source>President of the Order</source>
        <comment>PresidentOfTheOrder</comment>
        <extracomment>account dialog, heading of the sixth tab; the game&apos;s name in quotes follows</extracomment>
        <translation>기사단 회장</translation>
    </message>
    <message>
        <source>Copied to clipboard!</source>
        <comment>CopiedToClipboard</comment>
        <extracomment>account dialog, note after a click copied a contact</extracomment>
        <translation>클립보드에 복사했습니다!</translation>
    </message>
    <message>
        <source>Refill</source>
        <comment>Refill</comment>
        <extracomment>payment comment word put on the clipboard after the nick and &quot;#&quot;: the payment refills the account</extracomment>
        <translation>충전</translation>
    </message>
    <message>
        <source>Add a comment when you pay, simply by inserting it from the clipboard!</source>
        <comment>AddCommentWhenPaying</comment>
        <extracomment>message before the payment page opens</extracomment>
        <translation>결제할 때 클립보드에서 붙여 넣어 메모를 추가하세요!</translation>
    </message>
    <message>
        <source>In case of payment, Tevs will be credited to the account within 24 hours.</source>
        <comment>TevsCreditedWithin</comment>
        <extracomment>second line of the same message</extracomment>
        <translation>결제 후 24시간 이내에 테브가 계정에 적립됩니다.</translation>
    </message>
    <message>
        <source>Your account has been successfully created!</source>
        <comment>AccountCreated</comment>
        <extracomment>message after registration</extracomment>
        <translation>계정이 만들어졌습니다!</translation>
    </message>
    <message>
        <source>The club already has a player with the same Nick!</source>
        <comment>NickTaken</comment>
        <extracomment>message: registration refused, the nick is taken</extracomment>
        <translation>같은 닉네임의 플레이어가 이미 클럽에 있습니다!</translation>
    </message>
    <message>
        <source>Could not create account!</source>
        <comment>CouldNotCreateAccount</comment>
        <extracomment>message: registration failed</extracomment>
        <translation>계정을 만들 수 없습니다!</translation>
    </message>
    <message>
        <source>Login failed!</source>
        <comment>LoginFailed</comment>
        <extracomment>message</extracomment>
        <translation>로그인에 실패했습니다!</translation>
    </message>
    <message>
        <source>You do not have enough Tevs to transfer!</source>
        <comment>NotEnoughTevs</comment>
        <extracomment>message</extracomment>
        <translation>이체할 테브가 부족합니다!</translation>
    </message>
    <message>
        <source>I can not make an empty transfer!</source>
        <comment>EmptyTransfer</comment>
        <extracomment>message: the amount is 0</extracomment>
        <translation>0 테브는 이체할 수 없습니다!</translation>
    </message>
    <message>
        <source>Do you really want to transfer to a club member</source>
        <comment>TransferQuestion</comment>
        <extracomment>question; followed by a blank, the nick in double quotes, the amount, &quot;Tevs&quot; and &quot;?&quot;</extracomment>
        <translation>정말 클럽 회원에게 이체하시겠습니까:</translation>
    </message>
    <message>
        <source>Transfer is successful!</source>
        <comment>TransferDone</comment>
        <extracomment>message</extracomment>
        <translation>이체했습니다!</translation>
    </message>
    <message>
        <source>There is no club member with that nick!</source>
        <comment>NoSuchMember</comment>
        <extracomment>message</extracomment>
        <translation>그 닉네임의 클럽 회원이 없습니다!</translation>
    </message>
    <message>
        <source>No Connect!</source>
        <comment>NoConnectMessage</comment>
        <extracomment>message: the club&apos;s service could not be reached</extracomment>
        <translation>연결 안 됨!</translation>
    </message>
    <message>
        <source>Your name</source>
        <comment>HintName1</comment>
        <extracomment>personal data field hint: first name</extracomment>
        <translation>이름</translation>
    </message>
    <message>
        <source>Your last name</source>
        <comment>HintName2</comment>
        <extracomment>personal data field hint</extracomment>
        <translation>성</translation>
    </message>
    <message>
        <source>Brief information about you</source>
        <comment>HintAbout</comment>
        <extracomment>personal data field hint</extracomment>
        <translation>간단한 자기소개</translation>
    </message>
    <message>
        <source>Your phone number</source>
        <comment>HintTelephone</comment>
        <extracomment>personal data field hint</extracomment>
        <translation>전화번호</translation>
    </message>
    <message>
        <source>Your e-mail</source>
        <comment>HintEMail</comment>
        <extracomment>personal data field hint</extracomment>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Your web site</source>
        <comment>HintWebSite</comment>
        <extracomment>personal data field hint</extracomment>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>Your skype</source>
        <comment>HintSkype</comment>
        <extracomment>personal data field hint (Skype is a name)</extracomment>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Your OK</source>
        <comment>HintOK</comment>
        <extracomment>personal data field hint (OK is the social network Odnoklassniki, keep the name)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Your VK</source>
        <comment>HintVK</comment>
        <extracomment>personal data field hint (VK is a social network, keep the name)</extracomment>
        <translation>VK</translation>
    </message>
    <message>
        <source>Your Telegram</source>
        <comment>HintTelegram</comment>
        <extracomment>personal data field hint (keep the name)</extracomment>
        <translation>Telegram</translation>
    </message>
    <message>
        <source>Your Facebook</source>
        <comment>HintFaceBook</comment>
        <extracomment>personal data field hint (keep the name)</extracomment>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Your Twitter</source>
        <comment>HintTwitter</comment>
        <extracomment>personal data field hint (keep the name)</extracomment>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Your Instagram</source>
        <comment>HintInstagram</comment>
        <extracomment>personal data field hint (keep the name)</extracomment>
        <translation>Instagram</translation>
    </message>
    <message>
        <source>Your YouTube</source>
        <comment>HintYouTube</comment>
        <extracomment>personal data field hint (keep the name)</extracomment>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>This information may be visible to other club members.</source>
        <comment>InfoMayBeVisible</comment>
        <extracomment>personal data window, note</extracomment>
        <translation>이 정보는 다른 클럽 회원에게 보일 수 있습니다.</translation>
    </message>
    <message>
        <source>Refresh photo</source>
        <comment>RefreshPhoto</comment>
        <extracomment>personal data window, button: upload the chosen photo</extracomment>
        <translation>사진 올리기</translation>
    </message>
    <message>
        <source>Update info</source>
        <comment>UpdateInfo</comment>
        <extracomment>personal data window, button: save the fields</extracomment>
        <translation>정보 저장</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>CloseButton</comment>
        <extracomment>button that closes a window</extracomment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The photo must be in jpg format 200x250 pixels in size!</source>
        <comment>PhotoFormat</comment>
        <extracomment>message: the chosen picture is refused</extracomment>
        <translation>사진은 200x250 픽셀 jpg 형식이어야 합니다!</translation>
    </message>
    <message>
        <source>Failed to upload photo to server!</source>
        <comment>PhotoUploadFailed</comment>
        <extracomment>message</extracomment>
        <translation>사진을 서버에 올리지 못했습니다!</translation>
    </message>
    <message>
        <source>Choose your photo</source>
        <comment>ChoosePhoto</comment>
        <extracomment>title of the file chooser for the own photo</extracomment>
        <translation>사진 선택</translation>
    </message>
    <message>
        <source>JPEG pictures</source>
        <comment>PhotoFilter</comment>
        <extracomment>file chooser filter name; the patterns follow it</extracomment>
        <translation>JPEG 이미지</translation>
    </message>
    <message>
        <source>Click to choose a photo (JPEG, 200 x 250)</source>
        <comment>ClickPhotoHint</comment>
        <extracomment>hint over the photo in the personal data window</extracomment>
        <translation>클릭하여 사진 선택 (JPEG, 200 x 250)</translation>
    </message>
    <message>
        <source>Could not connect to server!</source>
        <comment>CouldNotConnectToServer</comment>
        <extracomment>message: the club&apos;s service did not answer a rated game&apos;s record</extracomment>
        <translation>서버에 연결할 수 없습니다!</translation>
    </message>
    <message>
        <source>Repeat?</source>
        <comment>RepeatQuestion</comment>
        <extracomment>question after a failed request: try again? (follows another message)</extracomment>
        <translation>다시 시도할까요?</translation>
    </message>
    <message>
        <source>Unable to write the result of the game!</source>
        <comment>UnableToWriteResult</comment>
        <extracomment>message: a result could not be sent to the world table</extracomment>
        <translation>게임 결과를 기록할 수 없습니다!</translation>
    </message>
    <message>
        <source>World Top Ten</source>
        <comment>WorldTopTen</comment>
        <extracomment>title of the world score table windows (the best results of all players of this game)</extracomment>
        <translation>세계 톱 10</translation>
    </message>
    <message>
        <source>Send</source>
        <comment>SendButton</comment>
        <extracomment>button: send the cycle&apos;s result to the world table</extracomment>
        <translation>보내기</translation>
    </message>
    <message>
        <source>Your score</source>
        <comment>YourScore</comment>
        <extracomment>label; &quot;:&quot; follows it</extracomment>
        <translation>내 점수</translation>
    </message>
    <message>
        <source>Your place</source>
        <comment>YourPlace</comment>
        <extracomment>label; &quot;:&quot; follows it</extracomment>
        <translation>내 순위</translation>
    </message>
    <message>
        <source>Number of games</source>
        <comment>NumberOfGames</comment>
        <extracomment>label under a world table: how many results it holds; &quot;: &quot; and the number follow</extracomment>
        <translation>게임 수</translation>
    </message>
    <message>
        <source>Windows</source>
        <comment>TableWindows</comment>
        <extracomment>the world table of the desktop edition of the game (players on computers)</extracomment>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Android</source>
        <comment>TableAndroid</comment>
        <extracomment>the world table of the game&apos;s phone edition</extracomment>
        <translation>Android</translation>
    </message>
    <message>
        <source>Club accounts</source>
        <comment>TableAccounts</comment>
        <extracomment>the world table of the club&apos;s account players</extracomment>
        <translation>클럽 계정</translation>
    </message>
    <message>
        <source>World Top Ten Tournament is temporarily unavailable!</source>
        <comment>WorldTopTenPaused</comment>
        <extracomment>message: the club has paused its world tables</extracomment>
        <translation>세계 톱 10을 일시적으로 사용할 수 없습니다!</translation>
    </message>
    <message>
        <source>World top ten</source>
        <comment>WorldTopTenCommand</comment>
        <extracomment>hint of the main menu&apos;s globe: opens the world score tables</extracomment>
        <translation>세계 톱 10</translation>
    </message>
    <message>
        <source>Tevs</source>
        <comment>TabTevs</comment>
        <extracomment>account dialog, fourth tab caption: the Tevs balance and transfers (the currency&apos;s name, nominative plural)</extracomment>
        <translation>테브</translation>
    </message>
    <message>
        <source>Tev Games Chat</source>
        <comment>ChatWindowTitle</comment>
        <extracomment>title of the players&apos; chat window (Tev is the maker&apos;s name; keep &apos;Tev&apos;)</extracomment>
        <translation>Tev 게임 채팅</translation>
    </message>
    <message>
        <source>Last message at the bottom</source>
        <comment>LastMessageAtBottom</comment>
        <extracomment>chat window check box: draw the newest message in the last row instead of the first</extracomment>
        <translation>최신 메시지를 아래에</translation>
    </message>
    <message>
        <source>Open this window when a new message</source>
        <comment>OpenOnNewMessage</comment>
        <extracomment>chat window check box: open the chat window by itself during a game when a new message arrives (the original wording is terse; keep it short)</extracomment>
        <translation>새 메시지가 오면 이 창 열기</translation>
    </message>
    <message>
        <source>Unable to send a message!</source>
        <comment>UnableToSendMessage</comment>
        <extracomment>message box: the chat message could not be sent to the online service</extracomment>
        <translation>메시지를 보낼 수 없습니다!</translation>
    </message>
    <message>
        <source>Chat is temporarily unavailable!</source>
        <comment>ChatUnavailable</comment>
        <extracomment>message box: the online chat is paused by the service</extracomment>
        <translation>채팅을 일시적으로 사용할 수 없습니다!</translation>
    </message>
    <message>
        <source>Tev News!</source>
        <comment>TevNewsHint</comment>
        <extracomment>hint of the main menu&apos;s news indicator (Tev is the maker&apos;s name; keep &apos;Tev&apos;)</extracomment>
        <translation>Tev 소식!</translation>
    </message>
    <message>
        <source>Tev Chat!</source>
        <comment>TevChatHint</comment>
        <extracomment>hint of the main menu&apos;s chat indicator (Tev is the maker&apos;s name; keep &apos;Tev&apos;)</extracomment>
        <translation>Tev 채팅!</translation>
    </message>
    <message>
        <source>May Olk send anonymous counters to the game&apos;s world statistics: how often it starts, how many games are played, points won and lost? No name or address is sent. You can change this at any time in Options.</source>
        <comment>StatisticsQuestion</comment>
        <extracomment>question asked once at the first start; Yes allows the anonymous statistics, No forbids them</extracomment>
        <translation>Olk가 게임의 세계 통계에 익명 카운터(실행 횟수, 플레이한 게임 수, 얻은 점수와 잃은 점수)를 보내도 될까요? 이름이나 주소는 보내지 않습니다. 옵션에서 언제든지 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>Send anonymous statistics</source>
        <comment>SendStatistics</comment>
        <extracomment>options dialog check box: allow sending the anonymous usage counters (starts, games, wins, losses)</extracomment>
        <translation>익명 통계 보내기</translation>
    </message>
    <message>
        <source>Your nick for the world statistics (2 to 12 letters, digits or !(),-.@_):</source>
        <comment>LikeNickQuestion</comment>
        <extracomment>input box of the statistics window&apos;s like button when the passport nick is still the default &apos;Incognito&apos;</extracomment>
        <translation>세계 통계에 쓸 닉네임 (2~12자의 문자, 숫자 또는 !(),-.@_):</translation>
    </message>
    <message>
        <source>ACCOUNT. RATING. ALL GAMES</source>
        <comment>AccountRatingHeading</comment>
        <extracomment>world top ten heading (capitals): the club accounts ranked by rating over all their games</extracomment>
        <translation>계정. 레이팅. 모든 게임</translation>
    </message>
    <message>
        <source>ACCOUNT. SCORE. GAMES IN CYCLE</source>
        <comment>AccountScoreHeading</comment>
        <extracomment>world top ten heading (capitals): the accounts&apos; best scores of a 40-deal cycle</extracomment>
        <translation>계정. 점수. 사이클 게임</translation>
    </message>
    <message>
        <source>WINDOWS. SCORE. GAMES IN CYCLE</source>
        <comment>WindowsScoreHeading</comment>
        <extracomment>world top ten heading (capitals): the best 40-deal cycle scores of the desktop game (keep &apos;WINDOWS&apos; as the platform&apos;s name)</extracomment>
        <translation>WINDOWS. 점수. 사이클 게임</translation>
    </message>
    <message>
        <source>ANDROID. SCORE. GAMES IN CYCLE</source>
        <comment>AndroidScoreHeading</comment>
        <extracomment>world top ten heading (capitals): the best 40-deal cycle scores of the phone game</extracomment>
        <translation>ANDROID. 점수. 사이클 게임</translation>
    </message>
    <message>
        <source>WINDOWS. ONLINE TOURNAMENT</source>
        <comment>TournamentHeading</comment>
        <extracomment>world top ten heading (capitals): the online tournament&apos;s rankings</extracomment>
        <translation>WINDOWS. 온라인 토너먼트</translation>
    </message>
    <message>
        <source>WORLD ONLINE TOURNAMENT</source>
        <comment>TournamentTitle</comment>
        <extracomment>title of the online tournament window (capitals)</extracomment>
        <translation>월드 온라인 토너먼트</translation>
    </message>
    <message>
        <source>Log off</source>
        <comment>LogOff</comment>
        <extracomment>tournament place button: leave the place the player holds</extracomment>
        <translation>나가기</translation>
    </message>
    <message>
        <source>Take the place of</source>
        <comment>TakeThePlaceOf</comment>
        <extracomment>tournament place button: sit down at this free place (short; the button is about 150 units wide)</extracomment>
        <translation>자리 잡기</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>PlaceFree</comment>
        <extracomment>tournament place button: the place is free but cannot be taken yet (a lower place is still empty)</extracomment>
        <translation>빈자리</translation>
    </message>
    <message>
        <source>Server Off</source>
        <comment>ServerOff</comment>
        <extracomment>tournament window: the tournament server is closed or cannot be reached (place buttons and the status picture)</extracomment>
        <translation>서버 꺼짐</translation>
    </message>
    <message>
        <source>Server On</source>
        <comment>ServerOn</comment>
        <extracomment>tournament window: the tournament server is open</extracomment>
        <translation>서버 켜짐</translation>
    </message>
    <message>
        <source>This table is already occupied by a player with your IP!</source>
        <comment>SameAddressAtTable</comment>
        <extracomment>message box: another player from the same internet address already sits at this tournament table</extracomment>
        <translation>이 테이블에는 이미 같은 IP의 플레이어가 있습니다!</translation>
    </message>
    <message>
        <source>Rules</source>
        <comment>RulesTitle</comment>
        <extracomment>title of the hint of the tournament place buttons, which names the table&apos;s rules</extracomment>
        <translation>규칙</translation>
    </message>
    <message>
        <source>Server connection error!</source>
        <comment>ServerConnectionError</comment>
        <extracomment>message box: the connection to the tournament relay server failed; the place is given up</extracomment>
        <translation>서버 연결 오류!</translation>
    </message>
    <message>
        <source>Tournament Top Ten</source>
        <comment>TournamentTopTenTitle</comment>
        <extracomment>title of the window with the tournament&apos;s best ten players</extracomment>
        <translation>토너먼트 톱 10</translation>
    </message>
    <message>
        <source>You lose!</source>
        <comment>YouLose</comment>
        <extracomment>title of the box shown when the player&apos;s own move clock ran out in a tournament game</extracomment>
        <translation>졌습니다!</translation>
    </message>
    <message>
        <source>Your time is up!</source>
        <comment>YourTimeIsUp</comment>
        <extracomment>text of the box shown when the player&apos;s own move clock ran out in a tournament game</extracomment>
        <translation>시간이 다 되었습니다!</translation>
    </message>
    <message>
        <source>You won!</source>
        <comment>YouWon</comment>
        <extracomment>title of the box shown when another tournament player left or ran out of time</extracomment>
        <translation>이겼습니다!</translation>
    </message>
    <message>
        <source>interrupted the game!</source>
        <comment>InterruptedTheGame</comment>
        <extracomment>tournament: follows &quot;Player&quot; + blank + the player&apos;s name: that player left the table</extracomment>
        <translation>님이 게임을 중단했습니다!</translation>
    </message>
    <message>
        <source>time is up!</source>
        <comment>TimeIsUp</comment>
        <extracomment>tournament: follows &quot;Player&quot; + blank + the player&apos;s name: that player&apos;s move clock ran out</extracomment>
        <translation>님의 시간이 다 되었습니다!</translation>
    </message>
    <message>
        <source>Lost connection with the server!</source>
        <comment>LostConnectionWithServer</comment>
        <extracomment>message box: the connection to the tournament relay server was lost during a game</extracomment>
        <translation>서버와의 연결이 끊어졌습니다!</translation>
    </message>
    <message>
        <source>New Year</source>
        <comment>Holiday01</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 1 January; the established name of this day in the language</extracomment>
        <translation>새해</translation>
    </message>
    <message>
        <source>Inauguration day</source>
        <comment>Holiday02</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 20 January; the established name of this day in the language</extracomment>
        <translation>미국 대통령 취임식 날</translation>
    </message>
    <message>
        <source>Tatyana`s day, the day of Russian students</source>
        <comment>Holiday03</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 25 January; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>타티야나의 날, 러시아 대학생의 날</translation>
    </message>
    <message>
        <source>Day of the lifting of the siege of Leningrad</source>
        <comment>Holiday04</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 27 January; the established name of this day in the language</extracomment>
        <translation>레닌그라드 봉쇄 해제의 날</translation>
    </message>
    <message>
        <source>Martin Luther King Day</source>
        <comment>Holiday05</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on the third Monday of January; the established name of this day in the language</extracomment>
        <translation>마틴 루서 킹의 날</translation>
    </message>
    <message>
        <source>The day of the victory of Soviet forces in the battle of Stalingrad</source>
        <comment>Holiday06</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 2 February, remembering an event of 1943; the established name of this day in the language</extracomment>
        <translation>스탈린그라드 전투 소련군 승리의 날</translation>
    </message>
    <message>
        <source>The day of Russian Science</source>
        <comment>Holiday07</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 8 February; the established name of this day in the language</extracomment>
        <translation>러시아 과학의 날</translation>
    </message>
    <message>
        <source>Valentine`s day</source>
        <comment>Holiday08</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 14 February; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>밸런타인데이</translation>
    </message>
    <message>
        <source>Defender of the fatherland day</source>
        <comment>Holiday09</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 23 February; the established name of this day in the language</extracomment>
        <translation>조국 수호자의 날</translation>
    </message>
    <message>
        <source>International women`s day</source>
        <comment>Holiday10</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 8 March; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>세계 여성의 날</translation>
    </message>
    <message>
        <source>St. Patrick`s day</source>
        <comment>Holiday11</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 17 March; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>성 패트릭의 날</translation>
    </message>
    <message>
        <source>April Fool`s day</source>
        <comment>Holiday12</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 1 April; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>만우절</translation>
    </message>
    <message>
        <source>Unity day</source>
        <comment>Holiday13</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 2 April; the established name of this day in the language</extracomment>
        <translation>러시아·벨라루스 민족 통합의 날</translation>
    </message>
    <message>
        <source>Day of cosmonautics</source>
        <comment>Holiday14</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 12 April; the established name of this day in the language</extracomment>
        <translation>우주 비행의 날</translation>
    </message>
    <message>
        <source>The day of the victory of the Russian army in the battle on the ice</source>
        <comment>Holiday15</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 18 April, remembering an event of 1242; the established name of this day in the language</extracomment>
        <translation>빙상 전투 러시아군 승리의 날</translation>
    </message>
    <message>
        <source>Labor Day</source>
        <comment>Holiday16</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 1 May; the established name of this day in the language</extracomment>
        <translation>노동절</translation>
    </message>
    <message>
        <source>Day Of Madrid</source>
        <comment>Holiday17</comment>
        <extracomment>calendar hint: name of a holiday, a Spanish holiday on 2 May; the established name of this day in the language</extracomment>
        <translation>마드리드의 날</translation>
    </message>
    <message>
        <source>Radio day</source>
        <comment>Holiday18</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 7 May; the established name of this day in the language</extracomment>
        <translation>라디오의 날</translation>
    </message>
    <message>
        <source>Victory day</source>
        <comment>Holiday19</comment>
        <extracomment>calendar hint: name of a holiday, a French holiday on 8 May; the established name of this day in the language</extracomment>
        <translation>승전 기념일</translation>
    </message>
    <message>
        <source>Victory day in Great Patriotic war</source>
        <comment>Holiday20</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 9 May, remembering an event of 1945; the established name of this day in the language</extracomment>
        <translation>대조국전쟁 승리의 날</translation>
    </message>
    <message>
        <source>The day of Slavonic Literature and culture</source>
        <comment>Holiday21</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 24 May; the established name of this day in the language</extracomment>
        <translation>슬라브 문자와 문화의 날</translation>
    </message>
    <message>
        <source>Chemist`s day</source>
        <comment>Holiday22</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 29 May; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>화학자의 날</translation>
    </message>
    <message>
        <source>International children`s day</source>
        <comment>Holiday23</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 1 June; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>국제 어린이날</translation>
    </message>
    <message>
        <source>Russia Day</source>
        <comment>Holiday24</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 12 June; the established name of this day in the language</extracomment>
        <translation>러시아의 날</translation>
    </message>
    <message>
        <source>American flag day</source>
        <comment>Holiday25</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 14 June; the established name of this day in the language</extracomment>
        <translation>미국 국기의 날</translation>
    </message>
    <message>
        <source>Music day</source>
        <comment>Holiday26</comment>
        <extracomment>calendar hint: name of a holiday, a French holiday on 21 June; the established name of this day in the language</extracomment>
        <translation>음악의 날</translation>
    </message>
    <message>
        <source>Day of remembrance and mourning</source>
        <comment>Holiday27</comment>
        <extracomment>calendar hint: name of a holiday, a Russian memorial day on 22 June; the established name of this day in the language</extracomment>
        <translation>추모와 애도의 날</translation>
    </message>
    <message>
        <source>Youth day</source>
        <comment>Holiday28</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 27 June; the established name of this day in the language</extracomment>
        <translation>청년의 날</translation>
    </message>
    <message>
        <source>Independence day</source>
        <comment>Holiday29</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 4 July; the established name of this day in the language</extracomment>
        <translation>미국 독립 기념일</translation>
    </message>
    <message>
        <source>Day of family, love and fidelity</source>
        <comment>Holiday30</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 8 July; the established name of this day in the language</extracomment>
        <translation>가족과 사랑과 정절의 날</translation>
    </message>
    <message>
        <source>The day of the victory of the Russian army in the battle of Poltava</source>
        <comment>Holiday31</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 10 July, remembering an event of 1709; the established name of this day in the language</extracomment>
        <translation>폴타바 전투 러시아군 승리의 날</translation>
    </message>
    <message>
        <source>Bastille Day</source>
        <comment>Holiday32</comment>
        <extracomment>calendar hint: name of a holiday, a French holiday on 14 July; the established name of this day in the language</extracomment>
        <translation>바스티유의 날</translation>
    </message>
    <message>
        <source>National hot dog day</source>
        <comment>Holiday33</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 18 July; the established name of this day in the language</extracomment>
        <translation>전국 핫도그의 날</translation>
    </message>
    <message>
        <source>The day of the baptism of RUS`</source>
        <comment>Holiday34</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 28 July, remembering an event of 988; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>루스 세례의 날</translation>
    </message>
    <message>
        <source>Elvis Presley Memorial Day</source>
        <comment>Holiday35</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on 16 August; the established name of this day in the language</extracomment>
        <translation>엘비스 프레슬리 추모일</translation>
    </message>
    <message>
        <source>The day of the national flag of Russia</source>
        <comment>Holiday36</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 22 August; the established name of this day in the language</extracomment>
        <translation>러시아 국기의 날</translation>
    </message>
    <message>
        <source>The day of the victory of Soviet forces in the battle of Kursk</source>
        <comment>Holiday37</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 23 August, remembering an event of 1943; the established name of this day in the language</extracomment>
        <translation>쿠르스크 전투 소련군 승리의 날</translation>
    </message>
    <message>
        <source>The day of knowledge</source>
        <comment>Holiday38</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 1 September; the established name of this day in the language</extracomment>
        <translation>지식의 날</translation>
    </message>
    <message>
        <source>Day of the end of World War II</source>
        <comment>Holiday39</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 2 September; the established name of this day in the language</extracomment>
        <translation>제2차 세계대전 종전일</translation>
    </message>
    <message>
        <source>Borodino day</source>
        <comment>Holiday40</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 8 September, remembering an event of 1812; the established name of this day in the language</extracomment>
        <translation>보로디노 전투의 날</translation>
    </message>
    <message>
        <source>Programmer`s day</source>
        <comment>Holiday41</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 13 September; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>프로그래머의 날</translation>
    </message>
    <message>
        <source>The day of the victory of Russian regiments in the battle of Kulikovo</source>
        <comment>Holiday42</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 21 September, remembering an event of 1380; the established name of this day in the language</extracomment>
        <translation>쿨리코보 전투 러시아 연대 승리의 날</translation>
    </message>
    <message>
        <source>Day of older persons</source>
        <comment>Holiday43</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 1 October; the established name of this day in the language</extracomment>
        <translation>세계 노인의 날</translation>
    </message>
    <message>
        <source>Day of German unity</source>
        <comment>Holiday44</comment>
        <extracomment>calendar hint: name of a holiday, a German holiday on 3 October; the established name of this day in the language</extracomment>
        <translation>독일 통일의 날</translation>
    </message>
    <message>
        <source>Teacher`s day</source>
        <comment>Holiday45</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 5 October; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>교사의 날</translation>
    </message>
    <message>
        <source>National day of Spain</source>
        <comment>Holiday46</comment>
        <extracomment>calendar hint: name of a holiday, a Spanish holiday on 12 October; the established name of this day in the language</extracomment>
        <translation>스페인 국경일</translation>
    </message>
    <message>
        <source>Apple day</source>
        <comment>Holiday47</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United Kingdom on 21 October; the established name of this day in the language</extracomment>
        <translation>사과의 날</translation>
    </message>
    <message>
        <source>Halloween</source>
        <comment>Holiday48</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 31 October; the established name of this day in the language</extracomment>
        <translation>핼러윈</translation>
    </message>
    <message>
        <source>Guy Fawkes night or Night campfires</source>
        <comment>Holiday49</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United Kingdom on 5 November; the established name of this day in the language</extracomment>
        <translation>가이 포크스의 밤(모닥불의 밤)</translation>
    </message>
    <message>
        <source>The end of the first world war</source>
        <comment>Holiday50</comment>
        <extracomment>calendar hint: name of a holiday, an international day on 11 November; the established name of this day in the language</extracomment>
        <translation>제1차 세계대전 종전일</translation>
    </message>
    <message>
        <source>Thanksgiving</source>
        <comment>Holiday51</comment>
        <extracomment>calendar hint: name of a holiday, a holiday of the United States on the fourth Thursday of November; the established name of this day in the language</extracomment>
        <translation>추수감사절</translation>
    </message>
    <message>
        <source>The first day of the Soviet troops counterattack near Moscow</source>
        <comment>Holiday52</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 5 December, remembering an event of 1941; the established name of this day in the language</extracomment>
        <translation>모스크바 근교 소련군 반격 개시일</translation>
    </message>
    <message>
        <source>Constitution Day in Spain</source>
        <comment>Holiday53</comment>
        <extracomment>calendar hint: name of a holiday, a Spanish holiday on 6 December; the established name of this day in the language</extracomment>
        <translation>스페인 제헌절</translation>
    </message>
    <message>
        <source>Constitution Day Of Russia</source>
        <comment>Holiday54</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 12 December; the established name of this day in the language</extracomment>
        <translation>러시아 제헌절</translation>
    </message>
    <message>
        <source>The day of power branch workers</source>
        <comment>Holiday55</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 22 December; the established name of this day in the language</extracomment>
        <translation>에너지 산업 종사자의 날</translation>
    </message>
    <message>
        <source>The rescuer day Russia</source>
        <comment>Holiday56</comment>
        <extracomment>calendar hint: name of a holiday, a Russian holiday on 27 December; the established name of this day in the language</extracomment>
        <translation>러시아 구조대원의 날</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>Holiday57</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on Orthodox Easter; the established name of this day in the language</extracomment>
        <translation>부활절</translation>
    </message>
    <message>
        <source>The entry into Jerusalem</source>
        <comment>Holiday58</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 7 days before Orthodox Easter; the established name of this day in the language</extracomment>
        <translation>주님의 예루살렘 입성 축일</translation>
    </message>
    <message>
        <source>Ascension Of Our Lord</source>
        <comment>Holiday59</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 40 days after Orthodox Easter; the established name of this day in the language</extracomment>
        <translation>주님 승천 축일</translation>
    </message>
    <message>
        <source>Trinity Sunday</source>
        <comment>Holiday60</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 50 days after Orthodox Easter; the established name of this day in the language</extracomment>
        <translation>성삼위일체 대축일(오순절)</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>Holiday61</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 7 January; the established name of this day in the language</extracomment>
        <translation>주님 성탄 축일</translation>
    </message>
    <message>
        <source>Circumcision Of The Lord</source>
        <comment>Holiday62</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 14 January; the established name of this day in the language</extracomment>
        <translation>주님 할례 축일</translation>
    </message>
    <message>
        <source>Epiphany</source>
        <comment>Holiday63</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 19 January; the established name of this day in the language</extracomment>
        <translation>주님 세례 축일(신현절)</translation>
    </message>
    <message>
        <source>Candlemas</source>
        <comment>Holiday64</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 15 February; the established name of this day in the language</extracomment>
        <translation>주님 봉헌 축일</translation>
    </message>
    <message>
        <source>Annunciation to the Most Holy Theotokos</source>
        <comment>Holiday65</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 7 April; the established name of this day in the language</extracomment>
        <translation>지극히 거룩하신 성모 희보 축일</translation>
    </message>
    <message>
        <source>The Nativity of John the Baptist (Forerunner)</source>
        <comment>Holiday66</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 7 July; the established name of this day in the language</extracomment>
        <translation>세례자 요한(선구자) 탄생 축일</translation>
    </message>
    <message>
        <source>Day of the Holy Primate Apostles Peter and Paul</source>
        <comment>Holiday67</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 12 July; the established name of this day in the language</extracomment>
        <translation>으뜸 사도 성 베드로와 성 바오로 축일</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <comment>Holiday68</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 19 August; the established name of this day in the language</extracomment>
        <translation>주님 거룩한 변모 축일</translation>
    </message>
    <message>
        <source>Dormition of the Virgin</source>
        <comment>Holiday69</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 28 August; the established name of this day in the language</extracomment>
        <translation>성모 안식 축일</translation>
    </message>
    <message>
        <source>Beheading of John the Baptist</source>
        <comment>Holiday70</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 11 September; the established name of this day in the language</extracomment>
        <translation>세례자 요한 참수 기념일</translation>
    </message>
    <message>
        <source>Nativity Of The Virgin</source>
        <comment>Holiday71</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 21 September; the established name of this day in the language</extracomment>
        <translation>성모 탄생 축일</translation>
    </message>
    <message>
        <source>Exaltation of the Cross of the Lord</source>
        <comment>Holiday72</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 27 September; the established name of this day in the language</extracomment>
        <translation>성 십자가 현양 축일</translation>
    </message>
    <message>
        <source>Protection of the Most Holy Theotokos</source>
        <comment>Holiday73</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 14 October; the established name of this day in the language</extracomment>
        <translation>성모 보호 축일</translation>
    </message>
    <message>
        <source>Introduction to the temple of the Most Holy Theotokos</source>
        <comment>Holiday74</comment>
        <extracomment>calendar hint: name of a holiday, an Orthodox church feast on 4 December; the established name of this day in the language</extracomment>
        <translation>성모 입당 축일</translation>
    </message>
    <message>
        <source>Easter</source>
        <comment>Holiday75</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on Western Easter; the established name of this day in the language</extracomment>
        <translation>부활절</translation>
    </message>
    <message>
        <source>Candlemas</source>
        <comment>Holiday76</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 2 February; the established name of this day in the language</extracomment>
        <translation>주님 봉헌 축일</translation>
    </message>
    <message>
        <source>Annunciation to the Most Holy Theotokos</source>
        <comment>Holiday77</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 25 March; the established name of this day in the language</extracomment>
        <translation>주님 탄생 예고 대축일</translation>
    </message>
    <message>
        <source>Transfiguration</source>
        <comment>Holiday78</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 6 August; the established name of this day in the language</extracomment>
        <translation>주님 거룩한 변모 축일</translation>
    </message>
    <message>
        <source>Nativity of the Mother of God</source>
        <comment>Holiday79</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 8 September; the established name of this day in the language</extracomment>
        <translation>복되신 동정 마리아 탄생 축일</translation>
    </message>
    <message>
        <source>All Saints` day</source>
        <comment>Holiday80</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 1 November; the established name of this day in the language; the grave accent stands for an apostrophe</extracomment>
        <translation>모든 성인 대축일</translation>
    </message>
    <message>
        <source>Christmas Eve</source>
        <comment>Holiday81</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 24 December; the established name of this day in the language</extracomment>
        <translation>크리스마스 이브</translation>
    </message>
    <message>
        <source>Christmas</source>
        <comment>Holiday82</comment>
        <extracomment>calendar hint: name of a holiday, a Catholic church feast on 25 December; the established name of this day in the language</extracomment>
        <translation>크리스마스</translation>
    </message>
    <message>
        <source>The game could not be saved as a GIF:</source>
        <comment>GifNotSaved</comment>
        <extracomment>attention box, first line, when a recorded deal could not be written as an animated GIF picture; the system&apos;s reason (e.g. &quot;Permission denied&quot;) follows on the next line</extracomment>
        <translation>게임을 GIF로 저장할 수 없습니다:</translation>
    </message>
    <message>
        <source>Tev Internet-Radio</source>
        <comment>TevInternetRadio</comment>
        <extracomment>the radio&apos;s name: the dialog&apos;s caption and the menu icon&apos;s hint</extracomment>
        <translation>Tev 인터넷 라디오</translation>
    </message>
    <message>
        <source>Can`t find</source>
        <comment>CantFind</comment>
        <extracomment>followed by the missing files&apos; names, e.g. &quot;Can`t find TevRadio.rad + TevRadio02.dll&quot;; the apostrophe is a grave accent</extracomment>
        <translation>찾을 수 없음:</translation>
    </message>
    <message>
        <source>Connecting to the station...</source>
        <comment>RadioConnecting</comment>
        <extracomment>the radio dialog&apos;s status line while the stream starts</extracomment>
        <translation>방송국에 연결 중...</translation>
    </message>
    <message>
        <source>On the air</source>
        <comment>RadioOnAir</comment>
        <extracomment>the radio dialog&apos;s status line while the station plays</extracomment>
        <translation>방송 중</translation>
    </message>
    <message>
        <source>No connection to the station</source>
        <comment>RadioNoConnection</comment>
        <extracomment>the radio dialog&apos;s status line when the station cannot be reached</extracomment>
        <translation>방송국에 연결할 수 없습니다</translation>
    </message>
    <message>
        <source>The station&apos;s stream broke off</source>
        <comment>RadioBrokenOff</comment>
        <extracomment>the radio dialog&apos;s status line when a playing station stops sending</extracomment>
        <translation>방송이 끊겼습니다</translation>
    </message>
    <message>
        <source>Chart</source>
        <comment>ChartButton</comment>
        <extracomment>the history window&apos;s button that opens the chosen player&apos;s progress chart</extracomment>
        <translation>차트</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>ChartProgress</comment>
        <extracomment>the title of the progress chart, followed by the player&apos;s name</extracomment>
        <translation>진행 상황</translation>
    </message>
    <message>
        <source>Game</source>
        <comment>ChartGame</comment>
        <extracomment>the progress chart&apos;s horizontal axis and tooltip: the game&apos;s number in the player&apos;s history</extracomment>
        <translation>게임</translation>
    </message>
    <message>
        <source>No games yet</source>
        <comment>ChartNoGames</comment>
        <extracomment>the progress chart of a player without a game in the history</extracomment>
        <translation>아직 게임이 없습니다</translation>
    </message>
    <message>
        <source>The last %1 games</source>
        <comment>ChartLastGames</comment>
        <extracomment>the progress chart&apos;s note when only the latest games fit; %1 is their number</extracomment>
        <translation>최근 %1게임</translation>
    </message>
    <message>
        <source>Games on the local network</source>
        <comment>LanGames</comment>
        <extracomment>Welcome dialog of a network game, joining player: caption of the list of games heard on the local network</extracomment>
        <translation>로컬 네트워크의 게임</translation>
    </message>
    <message>
        <source>No games found yet</source>
        <comment>LanNoGames</comment>
        <extracomment>Welcome dialog of a network game: the list of games on the local network is still empty</extracomment>
        <translation>아직 찾은 게임이 없습니다</translation>
    </message>
    <message>
        <source>free seats: %1</source>
        <comment>LanFreeSeats</comment>
        <extracomment>Welcome dialog, list of games on the local network: how many players can still join; %1 is 0..3</extracomment>
        <translation>빈자리: %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>CardName</comment>
        <extracomment>a card&apos;s name as a screen reader reads it: %1 is the rank (Two ... Ace), %2 the suit (hearts ...); &apos;Queen of hearts&apos;</extracomment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>Two</source>
        <comment>CardRankTwo</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>2</translation>
    </message>
    <message>
        <source>Three</source>
        <comment>CardRankThree</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>3</translation>
    </message>
    <message>
        <source>Four</source>
        <comment>CardRankFour</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>4</translation>
    </message>
    <message>
        <source>Five</source>
        <comment>CardRankFive</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>5</translation>
    </message>
    <message>
        <source>Six</source>
        <comment>CardRankSix</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>6</translation>
    </message>
    <message>
        <source>Seven</source>
        <comment>CardRankSeven</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>7</translation>
    </message>
    <message>
        <source>Eight</source>
        <comment>CardRankEight</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>8</translation>
    </message>
    <message>
        <source>Nine</source>
        <comment>CardRankNine</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>9</translation>
    </message>
    <message>
        <source>Ten</source>
        <comment>CardRankTen</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <comment>CardRankJack</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>잭</translation>
    </message>
    <message>
        <source>Queen</source>
        <comment>CardRankQueen</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>퀸</translation>
    </message>
    <message>
        <source>King</source>
        <comment>CardRankKing</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>킹</translation>
    </message>
    <message>
        <source>Ace</source>
        <comment>CardRankAce</comment>
        <extracomment>a card&apos;s rank in its name (%1 of &quot;%1 of %2&quot;), at the start of the name</extracomment>
        <translation>에이스</translation>
    </message>
    <message>
        <source>hearts</source>
        <comment>CardSuitHearts</comment>
        <extracomment>a card&apos;s suit in its name (%2 of &quot;%1 of %2&quot;)</extracomment>
        <translation>하트</translation>
    </message>
    <message>
        <source>diamonds</source>
        <comment>CardSuitDiamonds</comment>
        <extracomment>a card&apos;s suit in its name (%2 of &quot;%1 of %2&quot;)</extracomment>
        <translation>다이아몬드</translation>
    </message>
    <message>
        <source>clubs</source>
        <comment>CardSuitClubs</comment>
        <extracomment>a card&apos;s suit in its name (%2 of &quot;%1 of %2&quot;)</extracomment>
        <translation>클로버</translation>
    </message>
    <message>
        <source>spades</source>
        <comment>CardSuitSpades</comment>
        <extracomment>a card&apos;s suit in its name (%2 of &quot;%1 of %2&quot;)</extracomment>
        <translation>스페이드</translation>
    </message>
    <message>
        <source>Card table</source>
        <comment>TableAccName</comment>
        <extracomment>screen reader: the name of the play table</extracomment>
        <translation>게임 테이블</translation>
    </message>
    <message>
        <source>Pile: %1</source>
        <comment>TablePileName</comment>
        <extracomment>screen reader: the open pile; %1 is the name of its top card</extracomment>
        <translation>버린 카드 더미: %1</translation>
    </message>
    <message>
        <source>Deck, cards left: %1</source>
        <comment>TableDeckName</comment>
        <extracomment>screen reader: the closed deck; %1 is how many cards it holds</extracomment>
        <translation>덱, 남은 카드: %1</translation>
    </message>
    <message>
        <source>Your card %1 of %2: %3</source>
        <comment>TableHandCard</comment>
        <extracomment>screen reader: a card of the player&apos;s own hand; %1 its place from the left, %2 how many cards the hand holds, %3 the card&apos;s name</extracomment>
        <translation>내 카드 %1/%2: %3</translation>
    </message>
    <message>
        <source>P or Up arrow takes this card</source>
        <comment>TablePileKeys</comment>
        <extracomment>screen reader and hint: the key that takes the pile&apos;s top card</extracomment>
        <translation>P 또는 위쪽 화살표로 이 카드를 가져옵니다</translation>
    </message>
    <message>
        <source>D or Down arrow takes a card from the deck</source>
        <comment>TableDeckKeys</comment>
        <extracomment>screen reader and hint: the key that takes the deck&apos;s card</extracomment>
        <translation>D 또는 아래쪽 화살표로 덱에서 카드를 가져옵니다</translation>
    </message>
    <message>
        <source>Left and Right arrows choose a card; Enter or Space discards it</source>
        <comment>TableHandKeys</comment>
        <extracomment>screen reader: the keys of the own hand while a card is to be discarded</extracomment>
        <translation>왼쪽·오른쪽 화살표로 카드를 고르고 Enter 또는 Space로 버립니다</translation>
    </message>
    <message>
        <source>Key: Enter, Space or N</source>
        <comment>KeyHintFirstButton</comment>
        <extracomment>hint of the table&apos;s &quot;To Begin&quot; / &quot;Next game&quot; button: the keys that press it</extracomment>
        <translation>키: Enter, Space 또는 N</translation>
    </message>
    <message>
        <source>Key: K</source>
        <comment>KeyHintKnock</comment>
        <extracomment>hint of the table&apos;s &quot;Knock!&quot; button: the key that presses it</extracomment>
        <translation>키: K</translation>
    </message>
    <message>
        <source>Key: Esc</source>
        <comment>KeyHintExit</comment>
        <extracomment>hint of the table&apos;s &quot;Exit to menu&quot; button: the key that leaves the table (it asks first)</extracomment>
        <translation>키: Esc</translation>
    </message>
    <message>
        <source>Key: F1</source>
        <comment>KeyHintHelp</comment>
        <extracomment>hint of the main menu&apos;s help icon: the key that opens the help too</extracomment>
        <translation>키: F1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <comment>AboutVersion</comment>
        <extracomment>about box: the program&apos;s version under its name; %1 is the number, such as 0.1.0</extracomment>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>The Olk developers</source>
        <comment>AboutDevelopers</comment>
        <extracomment>about box: who made the game, after &quot;The author of idea:&quot;</extracomment>
        <translation>Olk 개발자</translation>
    </message>
    <message>
        <source>the faces of the &quot;Classical-1&quot; cards</source>
        <comment>AboutCardFaces</comment>
        <extracomment>about box, thanks: what the KDE card deck authors gave; &quot;Classical-1&quot; is the card set&apos;s name, kept as it is</extracomment>
        <translation>&quot;Classical-1&quot; 카드의 그림</translation>
    </message>
    <message>
        <source>the sound font of the club&apos;s music</source>
        <comment>AboutSoundFont</comment>
        <extracomment>about box, thanks: what the authors of the TimGM6mb sound font gave</extracomment>
        <translation>클럽 음악의 사운드폰트</translation>
    </message>
    <message>
        <source>Free software: you may share and change it under the GNU General Public License, version 3 or later.</source>
        <comment>AboutLicence</comment>
        <extracomment>about box: the licence line</extracomment>
        <translation>자유 소프트웨어: GNU 일반 공중 사용 허가서 버전 3 이상에 따라 공유하고 수정할 수 있습니다.</translation>
    </message>
    <message>
        <source>Louder: click on the right or press +; softer: click on the left or press -</source>
        <comment>KeyHintVolume</comment>
        <extracomment>hint of the music player&apos;s volume button in the main menu: a click on its right or left half, or a key</extracomment>
        <translation>크게: 오른쪽 클릭 또는 +, 작게: 왼쪽 클릭 또는 -</translation>
    </message>
    <message>
        <source>Play the music</source>
        <comment>MusicPlayName</comment>
        <extracomment>screen reader: the main menu&apos;s music player button while the music is stopped</extracomment>
        <translation>음악 재생</translation>
    </message>
    <message>
        <source>Pause the music</source>
        <comment>MusicPauseName</comment>
        <extracomment>screen reader: the main menu&apos;s music player button while the music plays</extracomment>
        <translation>음악 일시 정지</translation>
    </message>
    <message>
        <source>Next piece</source>
        <comment>MusicNextName</comment>
        <extracomment>screen reader: the main menu&apos;s music player button that skips to the next piece</extracomment>
        <translation>다음 곡</translation>
    </message>
    <message>
        <source>Music volume: %1</source>
        <comment>MusicVolumeName</comment>
        <extracomment>screen reader: the main menu&apos;s music volume button; %1 is the volume, 0 to 100</extracomment>
        <translation>음악 음량: %1</translation>
    </message>
</context>
</TS>
