// The documents the player reads and the texts of timed events and deaths.
// Each message call is one console paragraph; a "%w" waits for Return and
// everything printed meanwhile queues behind it. In a paged document every
// page after a wait opens with "\n", a blank line. The puzzles depend on some
// of the facts told here (the dog's name, the catalyst, the insulation, the
// green button, the Elder Sign, the spell), so the wording may change but
// those facts must stay.
#include "command.h"
#include "console.h"
#include "input_mode.h"
#include "message.h"
#include "noun.h"
#include "spell.h"

namespace {

// English mode shows the romaji spelling, both kana modes the hiragana one.
bool romaji_mode() { return get_input_mode() == 0; }

void note_ends() { message("　手記はここで終わっている。"); }

}  // namespace

// ---- The newspaper and the introduction ----

void doc_intro() {
    message("あなたは海辺の崖の上に立つ古い屋敷にやってきた。");
    message("この屋敷は戦前、さる大富豪が建てたもので、莫大な財宝が眠っているという。"
            "だが足を踏み入れた者が次々と姿を消す呪われた屋敷としても知られ、つい先日も、"
            "高名な冒険家である大佐がここで消息を絶ったと報じられたばかりだ。");
    message("手元には新聞の切り抜き%nwがある。", ni_newspaper);
}

void doc_newspaper_article() {
    message("「冒険家・黒木大佐、幽霊屋敷で行方不明か」");
    message("「幽霊屋敷の調査に向かった黒木大佐が、そのまま戻らない。屋敷は1930年、"
            "ある富豪が病弱な妻のために建てたもの。妻の死後に当主が姿を消して以来、"
            "失踪事件が相次ぎ、1995年に住人の教授一家が消えてからは無人となっていた。"
            "屋敷には今も財宝が眠るとの噂が絶えない」");
}

void doc_newspaper_clipping() {
    message("大佐の失踪を報じる新聞記事の切り抜きだ。「今夏、愛犬と共に中央アジアから帰国した"
            "黒木剛大佐」と説明の添えられた写真には、帽子をかぶった精悍な男が写っている。"
            "これが大佐らしい。");
}

// ---- The children's room ----

void doc_essay() {
    message("『ぼくのねえちゃん』　４年１組　みずの　けんた");
    message("ぼくのねえちゃんはわがままです。アンティークのベッドをもらったくせに、"
            "二だんベッドの上のだんもじぶんのものだといいます。このまえ、ねえちゃんの"
            "ねこのぬいぐるみのしっぽをむすんだら、ぼくをたたきました。"
            "ねえちゃんはすぐたたくのでずるいとおもいます。");
}

void doc_diary_last_pages() {
    message("日記の最後の方を読んでみた。");
    message("12月22日　弟がまたおこられた。図書室の本棚のかげに弟のおもちゃが置きっぱなしで、"
            "お父さんがつまずいて転んだのだ。おもちゃは軽いものだったから、こわれなかったけど。");
    message("12月23日　このごろ変なゆめばかり見る。地下から何かが、ゆっくりこっちへ"
            "上ってくるゆめ。こわい。でも明日はクリスマス・イブだ。");
    message("これ以降のページは白紙だ。");
}

void doc_diary_torn() {
    message("日記をぱらぱらめくると、破られたページがあった。");
    message("10月7日　弟がまた、二段ベッドの上の段に上がってきて遊んでいた。"
            "上の段は私の場所なのに。それに、私のお気に入りのぬいぐるみの");
    message("この次のページが根本から破りとられている。");
}

void doc_diary_page() {
    message("しっぽを結んでいたのだ。だから思わず弟をたたいてしまった。"
            "たたいたのは悪かったから、明日ちゃんとあやまろう。");
}

// ---- The former owner's household ----

void doc_logbook() {
    message("かつての当主の奥方を看ていた看護婦の、看護日誌のようだ。");
    message("はじめのうち奥方は、音楽室でピアノを弾き、当主と食卓を囲むほどに元気だった。"
            "だがやがて衰弱し、音楽室の隣の寝室で臥せったきりになる。当主は金に糸目をつけず"
            "手を尽くしたが、次第に絶望し、最後には怪しげなオカルトの儀式にのめり込んでいった。");
}

// ---- The colonel's letters ----

void doc_postcard() {
    message("やあ、元気か。わしは相変わらずだ。いまは三代目オリオンを連れて、"
            "砂漠の遺跡を掘り返しておる。こいつは先代たちに負けぬ、頼もしい相棒だ。");
    message("ところで、君の手紙にあった屋敷の件だが、どうも危険な匂いがする。"
            "わしの勘はよく当たる。何か妙なことが起きたら、迷わずすぐに屋敷を出ろ。いいな。");
}

void doc_farewell_letter() {
    message("友へ。君がこれを読んでいるのなら、わしの身に何かが起きたということだ。");
    message("わしの車には、ガソリンを詰めたドラム缶が積んである。万一のときは、それを使え。");
    message("それから、わしの犬を家に連れて帰ってやってくれ。気難しい奴だが、"
            "名前を呼んでやれば言うことを聞く。");
    message("　　　　　　　　　　　　　　　　　　黒木　剛");
}

// ---- The séance ----

void doc_seance_book() {
    message("『5分でできる交霊術』という、うさんくさい内容が書かれている。");
    doc_seance_rules();
}

void doc_seance_rules() {
    message("「其の一、故人の想いが深く残る場所を選ぶべし」");
    message("「其の二、故人と縁深き品を、その依り代として置くべし」");
    message("「其の三、供物と燭台を整えたのち、祈りを捧げるべし」");
}

// ---- The professor's notes ----

void doc_study_note_full() {
    message("ほとんどのページには数式や図が書き散らされているが、最後の方に手記のようなものが記されている。");
    doc_study_note();
    note_ends();
}

// One text with four pauses; each later paragraph opens with a blank line.
void doc_study_note() {
    message("クリスマス・イブの夜、あれがこの家を支配した。妻も子供たちも意識を失ったまま、"
            "目を覚まさない。なぜ私だけが無事なのか、初めはわからなかった。%w"
            "\nあれが私を生かしておくのは、地下の機械を修理させるためだ。"
            "物理学者である私の知識が、あれには必要なのだ。%w"
            "\n屋敷を建てたかつての当主の資料を見つけた。地下の機械は「サイクロトロン機関」、"
            "一種の動力炉であり、異界への門を開くために使われたものらしい。%w"
            "\n今日、浴室の鏡に見知らぬ女の姿が映った。振り返っても誰もいない。"
            "気がつくと私は、鏡を叩き割っていた。%w"
            "\n機関の修理方法は、あれの目の届かない場所に書き残しておく。"
            "誰かがそれを見つけ、あれを送り還してくれることを祈る。");
}

void doc_mirror_message() {
    message("あれの支配は日ごとに強まっている。私が私でいられるのも、もう長くはないだろう。");
    message("だが望みはある。異界への門を開いたサイクロトロン機関のエネルギーは、"
            "あれを元の世界へ送り還すこともできるはずだ。機関の燃料は");
    message("メッセージはここで途切れている。");
}

void doc_mirror_back() {
    message("……十分に残っている。ただし、触媒としてカルシウムを加えなければならない。"
            "カルシウムを含むものなら、骨でも何でもかまわない。");
    message("また、機関の筐体の中のケーブルが、あれの手でショートさせられている。"
            "ゴムのような電気を通さないもので絶縁してから、緑色の始動ボタンを押すこと。");
}

// ---- The secret room ----

void doc_owner_confession_full() {
    doc_owner_confession();
    note_ends();
}

void doc_owner_confession() {
    message("余は、死の床にある妻を救はんが為、禁断の儀式によりて異界の存在を喚び出した。"
            "あれは、此の屋敷に在る全てと引き換へに、余の願ひを叶へると約したのである。%w");
    message("\n然るに、あれが奪つたのは財貨ばかりではなかつた。"
            "屋敷に住まふ人間までもが、あれのものとなつたのだ。%w");
    message("\n使用人どもは今や、あれの傀儡に過ぎぬ。虚ろな眼をして屋敷を彷徨ひ、"
            "あれの命ずるままに動いてゐる。%w");
    message("\n余が無事でゐられるのは、魔術の護りを施した此の部屋の中だけである。%w");
    message("\n入り口は既に塞がれた。余が再び此の部屋を出ることは、もはや叶ふまい。%w");
    message("\n悔やまれるは、あれを還すに要る「旧神の印」を持たぬまま、儀式を行つたことである。"
            "嗚呼、愚かなる余を許し給へ。");
}

void doc_leaflet() {
    message("【公開講座】郷土の先住民遺跡とその文化");
    message("町の近郊に点在する遺跡には、醜悪な神を崇めた種族の伝説と、用途の知れぬ奇妙な石器が"
            "残されている。本講座では、海鳴大学による最新の発掘調査の成果を報告する。");
}

void doc_ritual_letter() {
    message("貴殿の儀式の計画、拝見いたした。異存はござらぬ。例の香が手に入つたとの由、"
            "何よりである。ただ、現代に再現した儀式の効果には限りがあることを忘れぬやう。"
            "魔法陣を科学の力で増幅すれば、門を開くに足る力が得られるやもしれぬ。");
}

namespace {

// The marked page; lead opens it: "\n" leaves a blank line after a wait, as
// every page of a paged document does.
void spell_book_page(const char *lead) {
    message("%s極東の高僧の書にいわく、「死者を蘇らせんとして喚び出されし存在を還さんとする者は、"
            "祭壇に火を灯し、香を焚き、旧神の印を掲げて、次の呪文を唱えよ」",
            lead);
    message("≪%s≫", romaji_mode() ? SPELL_FRAGMENT_BOOK_ROMAJI : SPELL_FRAGMENT_BOOK_HIRAGANA);
}

}  // namespace

void doc_spell_book_full() {
    message("オカルトじみた冒涜的な内容の本をぱらぱらめくっていくと、印のついたページが見つかった。%w");
    spell_book_page("\n");
    message("肝心の呪文の部分が、虫に食われていて一部しか読み取れない。");
    message("呪文の下には、歪んだ星のような文様が描かれている。");
}

void doc_spell_book() { spell_book_page(""); }

void doc_spell_fragment() {
    message("両端は不鮮明だが、判読できる部分は以下のように読める。");
    if (romaji_mode())
        message("≪%s≫", SPELL_FRAGMENT_WALL_ROMAJI);
    else
        message("「%s」", SPELL_FRAGMENT_WALL_HIRAGANA);
}

// ---- The colonel's last notes ----

void doc_colonel_notes_full() {
    doc_colonel_notes();
    note_ends();
}

void doc_colonel_notes() {
    message("召喚の魔法陣を探して地下へ降りたが、しくじった。戻る道をふさがれ、"
            "この地下に閉じ込められてしまった。%w");
    message("\nわかったことを書き残しておく。あれの本体は、庭の投影魔法陣の真下に潜んでいるに違いない。%w");
    message("\nわしの切り札は、オリオンの首輪に託してある。%w");
    message("\nこの部屋の機械は、投影魔法陣に力を送るための装置だ。だが、壊されている。%w");
    message("\n手はこうだ。上へ戻って魔法陣を探し出し、起動させる。そして投影魔法陣の下で、"
            "旧神の印を掲げて呪文を唱えるのだ。%w");
    message("\nだが、扉の外では触手どもが待ち構えておる。ショットガンなど、あれには"
            "豆鉄砲ほどの役にも立たん。");
}

// ---- One-line remarks of the common handlers ----

void doc_glasses_remark() { message("家族写真で教授がかけていた眼鏡に、よく似ている。"); }
void doc_score_title() { message("楽譜の表紙には「エリーゼのために」と書かれている。"); }

// ---- Event texts ----

void event_water_death() {
    message("水面に手を伸ばすと、澱んだ水が動いたように見えた。");
    message("見間違いかと思ったそのとき、水面が急に盛り上がり、あなたの手を包み込んだ。"
            "生暖かい水が腕を這い上がり、逃げる間もなく全身を包み込む。");
}

void event_shadow_scream() {
    message("遠くの方で金切り声のような叫びが上がり、何者かが廊下を近づいてくる音がする！");
}

void event_shadow_outside() {
    message("部屋のすぐ外に、何者かが立っている気配がする。気のせいか、肌寒い感じがする。");
}

void event_shadow_enters() {
    message("扉が開き、異様に歪んだ人の姿のような黒い影が入ってきた。影が発する冷気で、体が凍りつきそうだ。");
}

void event_shadow_death() {
    message("黒い影はあっという間に目の前に迫り、あなたに覆い被さった。");
    message("視界が闇に閉ざされ、切り裂くような寒さに身が包まれる。");
}

void event_hiding_footsteps() {
    message("扉が開く音がして、何者かが部屋に入ってきたようだ。室内を歩きまわる足音が聞こえ、"
            "箪笥の隙間から体が凍りつくような冷気が入り込んでくる。");
}

void event_footsteps_leave() { message("息を潜めていると、やがて足音は部屋を出て、廊下を遠ざかっていった。"); }
void event_phone_starts() { message("入ったとたん、部屋の隅の電話が鳴り始めた。"); }
void event_phone_rings() { message("電話はまだ鳴り続けている。"); }
void event_phone_stops() { message("電話は鳴りやんだ。"); }

void event_phone_voice() {
    message("受話器を耳に当てると、地の底に響くような冒涜的な声が聞こえてきた。");
    message("「お前の探している大佐なら、もう死んだぞ……」");
    message("それきり電話はうんともすんとも言わなくなった。");
}

void event_cuckoo_opens() { message("壁の時計が鳴りだし、文字盤の上の小窓からなにか飛び出してきた。"); }
void event_cuckoo_closes() { message("時計が鳴り終わり、小窓が閉じた。"); }

void event_dark_stairs() {
    message("二階に足を踏み入れたとたん、視界が真っ暗になった。");
    message("身体が凍り付くような冷気に包まれ、動くことができない。");
    message("あなたの意識はそのまま途切れた…。");
}

void event_wake_up() { message("気がつくと、見知らぬ部屋にいた。どうやら助かったようだ。"); }
void event_armor_sound() { message("ガシャガシャと音を立てて、何かが近づいてくる。"); }
void event_armor_arrives() { message("目の前に、刀を構えた鎧が現れた!"); }
void event_armor_death() { message("鎧は無言で刀を振り下ろし、あなたは真っ二つになった。"); }

void event_window_death() {
    message("外に出ようと窓から身を乗り出したとき、勢いよく落ちてきた窓枠が、あなたの身体を真っ二つにした。");
}

void event_circle_power() { message("気のせいか、魔法陣全体から不思議な力を感じる。"); }
