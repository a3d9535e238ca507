<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Action</name>
    <message>
        <source>振り込み</source>
        <translation>Cast</translation>
    </message>
    <message>
        <source>合わせ</source>
        <translation>Strike!</translation>
    </message>
    <message>
        <source>取り込み</source>
        <translation>Reel in</translation>
    </message>
    <message>
        <source>エサ落ち</source>
        <translation>Bait lost</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source> * ぬ よ *</source>
        <translation>Nuyo</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>ウキが引いたら、素早く「合わせ」ボタンを 『 クリック！ 』</source>
        <translation>When the float dips, click &quot;Strike!&quot; quickly!</translation>
    </message>
    <message>
        <source>『 左クリック 』で引き寄せ、糸が「赤く」なったら『 右クリック 』</source>
        <translation>Left-click to reel in; right-click when the line turns red</translation>
    </message>
    <message>
        <source> * ぬ よ  *&#x3000;－ 終了。</source>
        <translation>Nuyo - The end</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;おつかれさま ．．．&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;＜ 成績 ：！ %1&#x3000;ポイント ＞</source>
        <translation>Thanks for playing!<byte value="xd"/>
<byte value="xd"/>
Your result: %1 points!</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;おつかれさま ．．．&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;&#x3000;＜ 成績 ：&#x3000; %1&#x3000;ポイント ＞</source>
        <translation>Thanks for playing!<byte value="xd"/>
<byte value="xd"/>
Your result: %1 points</translation>
    </message>
    <message>
        <source>エサ合わせは『 %1 』 （ スレアタリが出たらエサ合わせを変る ）</source>
        <translation>Use &quot;%1&quot; bait (after a false bite, change the bait type)</translation>
    </message>
    <message>
        <source>終了します！  &#x3000;&#x3000;</source>
        <translation>The game ends!</translation>
    </message>
    <message>
        <source> ぬ よ</source>
        <translation>Nuyo</translation>
    </message>
    <message>
        <source>ゲーム結果を ランキングに 反映しません！<byte value="xd"/>
<byte value="xd"/>
（ 最後に ランキングを 表示しません ）</source>
        <translation>Results will not go into the ranking!<byte value="xd"/>
<byte value="xd"/>
(The ranking is not shown at the end)</translation>
    </message>
    <message>
        <source>ゲーム結果を ランキングに 登録します。</source>
        <translation>Results will go into the ranking.</translation>
    </message>
    <message>
        <source>「 はじめに.txt 」を 表示しますか？</source>
        <translation>Show &quot;introduction.txt&quot;?</translation>
    </message>
    <message>
        <source>「 はじめに .txt 」がありません！</source>
        <translation>&quot;introduction.txt&quot; is missing!</translation>
    </message>
    <message>
        <source>トラブル発生！&#x3000;終了して下さい！</source>
        <translation>Something went wrong! Please quit the game!</translation>
    </message>
    <message>
        <source> 警告！</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>「 %1 」を 開けませんでした。</source>
        <translation>Could not open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ウキが引いたら、素早く スペースキーで 『 合わせ！ 』</source>
        <translation>When the float dips, press Space quickly to strike!</translation>
    </message>
    <message>
        <source>『 ← キー 』で引き寄せ、糸が「赤く」なったら『 → キー 』</source>
        <translation>Left arrow pulls in; when the line turns red, press Right</translation>
    </message>
</context>
<context>
    <name>Grades</name>
    <message>
        <source>＜ 太公望！＞&#x3000;あなたは天才です！</source>
        <translation>&lt; Grand master! &gt; You are a genius!</translation>
    </message>
    <message>
        <source>＜ 名人！＞&#x3000;次は「太公望！」！</source>
        <translation>&lt; Master! &gt; Next stop: Grand master!</translation>
    </message>
    <message>
        <source>＜ 上級 ＞&#x3000;アンタはうまい！</source>
        <translation>&lt; Advanced &gt; You&apos;re good at this!</translation>
    </message>
    <message>
        <source>＜ 上級 ＞&#x3000;よく やったね！</source>
        <translation>&lt; Advanced &gt; Well done!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;次は 上級！</source>
        <translation>&lt; Intermediate &gt; Next stop: Advanced!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;まあまあ やね！</source>
        <translation>&lt; Intermediate &gt; Not bad!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;練習あるのみ！</source>
        <translation>&lt; Intermediate &gt; Keep practising!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;辛抱が足らん！</source>
        <translation>&lt; Intermediate &gt; Be more patient!</translation>
    </message>
    <message>
        <source>＜ 初級 ＞&#x3000;ヘタクソ！</source>
        <translation>&lt; Beginner &gt; Butterfingers!</translation>
    </message>
    <message>
        <source>・・・・！</source>
        <translation>...!</translation>
    </message>
</context>
<context>
    <name>Introduction</name>
    <message>
        <source>はじめに.txt</source>
        <translation>introduction.txt</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source> 釣りゲーム&#x3000;&#x3000;「 ぬ よ 」</source>
        <translation>Fishing game &quot;Nuyo&quot;</translation>
    </message>
    <message>
        <source>成績ランキング</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>硬め</source>
        <translation>Firm</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>ワンポイント * 1</source>
        <translation>Tip 1</translation>
    </message>
    <message>
        <source>柔らかめ</source>
        <translation>Soft</translation>
    </message>
    <message>
        <source>振り込み</source>
        <translation>Cast</translation>
    </message>
    <message>
        <source>－   納&#x3000;竿   －</source>
        <translation>- Game over -</translation>
    </message>
    <message>
        <source>新規ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>ウキ：太</source>
        <translation>Float: thick</translation>
    </message>
    <message>
        <source>エサ合わせ</source>
        <translation>Bait type</translation>
    </message>
    <message>
        <source>エサの数</source>
        <translation>Baits</translation>
    </message>
    <message>
        <source>尾</source>
        <translation>fish</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>キー入力</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>釣果の数</source>
        <translation>Fish caught</translation>
    </message>
    <message>
        <source>糸の張り</source>
        <translation>Line tension</translation>
    </message>
    <message>
        <source>釣果</source>
        <translation>Catch log</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation>Pond</translation>
    </message>
    <message>
        <source>ウキの拡大図</source>
        <translation>Float close-up</translation>
    </message>
    <message>
        <source>大きさの印</source>
        <translation>Size stamp</translation>
    </message>
    <message>
        <source>大きさの文字（赤）</source>
        <translation>Size text (red)</translation>
    </message>
    <message>
        <source>大きさの文字（黄）</source>
        <translation>Size text (yellow)</translation>
    </message>
    <message>
        <source>大きさの文字の型</source>
        <translation>Size text mask</translation>
    </message>
    <message>
        <source>大きさの文字の下地</source>
        <translation>Size text blank</translation>
    </message>
    <message>
        <source>作業用の絵</source>
        <translation>Work picture</translation>
    </message>
    <message>
        <source>カワセミ</source>
        <translation>Kingfisher</translation>
    </message>
    <message>
        <source>カワセミの通り道</source>
        <translation>Kingfisher&apos;s pass</translation>
    </message>
    <message>
        <source>釣り人 1</source>
        <translation>Angler 1</translation>
    </message>
    <message>
        <source>釣り人 2</source>
        <translation>Angler 2</translation>
    </message>
    <message>
        <source>釣り人 3</source>
        <translation>Angler 3</translation>
    </message>
    <message>
        <source>釣り人 4</source>
        <translation>Angler 4</translation>
    </message>
    <message>
        <source>釣り人 5</source>
        <translation>Angler 5</translation>
    </message>
    <message>
        <source>釣り人 6</source>
        <translation>Angler 6</translation>
    </message>
    <message>
        <source>釣り人 7</source>
        <translation>Angler 7</translation>
    </message>
    <message>
        <source>釣り人 8</source>
        <translation>Angler 8</translation>
    </message>
    <message>
        <source>釣れた ぬよ</source>
        <translation>Landed nuyo</translation>
    </message>
    <message>
        <source>魚籠（はじめに）</source>
        <translation>Basket (introduction)</translation>
    </message>
    <message>
        <source>水しぶき</source>
        <translation>Splash</translation>
    </message>
    <message>
        <source>結果の印</source>
        <translation>Result marks</translation>
    </message>
    <message>
        <source>練習の池</source>
        <translation>Practice pond</translation>
    </message>
    <message>
        <source>大物の印</source>
        <translation>Big-catch marks</translation>
    </message>
    <message>
        <source>飛ぶカワセミ</source>
        <translation>Flying kingfisher</translation>
    </message>
    <message>
        <source>止まったカワセミ</source>
        <translation>Perched kingfisher</translation>
    </message>
    <message>
        <source>本番の印</source>
        <translation>Real game mark</translation>
    </message>
    <message>
        <source>本番の池</source>
        <translation>Real game pond</translation>
    </message>
    <message>
        <source>ウキ</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>大物の枠</source>
        <translation>Big-catch frame</translation>
    </message>
    <message>
        <source>釣り場の枠</source>
        <translation>Pond frame</translation>
    </message>
    <message>
        <source>練 習</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>本 番</source>
        <translation>Real game</translation>
    </message>
    <message>
        <source>  只今、準備中 ・・・</source>
        <translation>Getting ready...</translation>
    </message>
    <message>
        <source>スレアタリ</source>
        <translation>False bite</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>釣果の絵</source>
        <translation>Catch picture</translation>
    </message>
    <message>
        <source>釣り上げの絵</source>
        <translation>Landing picture</translation>
    </message>
    <message>
        <source>大物の絵</source>
        <translation>Big-catch picture</translation>
    </message>
    <message>
        <source>ぬよの絵</source>
        <translation>Nuyo pictures</translation>
    </message>
    <message>
        <source>ハリス切れの絵</source>
        <translation>Line-break picture</translation>
    </message>
    <message>
        <source>外れの絵</source>
        <translation>Miss picture</translation>
    </message>
    <message>
        <source>名前入力は半角 ８文字まで</source>
        <translation>Name: up to 8 letters</translation>
    </message>
    <message>
        <source>１．</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>    ポイント： 60cm：尺半上： 尾数：  Ｋｇ：  釣り師</source>
        <translation>      Points： 60cm： 50cm+： Fish：    Kg：  Angler</translation>
    </message>
    <message>
        <source>２．</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>３．</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>４．</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>５．</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>＜  成績 ： ポイント ＊ ランキング  ＞</source>
        <translation>&lt; Ranking by points &gt;</translation>
    </message>
    <message>
        <source>ランキング</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>ランキングに登録</source>
        <translation>Rank results</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>枠</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>区切り線</source>
        <translation>Divider</translation>
    </message>
    <message>
        <source>1位</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>2位</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>3位</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>4位</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>5位</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>今回の成績</source>
        <translation>This game&apos;s result</translation>
    </message>
    <message>
        <source>今回の順位</source>
        <translation>This game&apos;s place</translation>
    </message>
    <message>
        <source>釣果の報告</source>
        <translation>Catch report</translation>
    </message>
    <message>
        <source>タイトルの絵</source>
        <translation>Title picture</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ウキ：細</source>
        <translation>Float: thin</translation>
    </message>
    <message>
        <source>ウキ：太</source>
        <translation>Float: thick</translation>
    </message>
    <message>
        <source>「エサ合わせ」は『 ふつう 』で、「振り込み」ボタンをクリック</source>
        <translation>Set the bait type to &quot;Normal&quot; and click &quot;Cast&quot;</translation>
    </message>
    <message>
        <source>     &lt;  釣  果  &gt; <byte value="xd"/>
 </source>
        <translation>     &lt; Catch &gt; <byte value="xd"/>
 </translation>
    </message>
    <message>
        <source> 釣りゲーム&#x3000;「 ぬ よ 」&#x3000;&#x3000;＜&#x3000;練習&#x3000;＞</source>
        <translation>Fishing game &quot;Nuyo&quot; - Practice</translation>
    </message>
    <message>
        <source> 釣りゲーム&#x3000;「 ぬ よ 」&#x3000;&#x3000;＜&#x3000;野釣り&#x3000;＞</source>
        <translation>Fishing game &quot;Nuyo&quot; - Real game</translation>
    </message>
    <message>
        <source>ワンポイント * %1</source>
        <translation>Tip %1</translation>
    </message>
    <message>
        <source>「エサ合わせ」は『 ふつう 』（２キー）で、スペースキーで「振り込み」</source>
        <translation>Set the bait type to &quot;Normal&quot; (key 2) and press Space to cast</translation>
    </message>
    <message>
        <source>－ 一時停止中 －
Ｐキー か クリックで 再開</source>
        <translation>- Paused -
Press P or click to go on</translation>
    </message>
    <message>
        <source>スペースキー。取り込み中は ← キーで引き寄せ、→ キーで糸を送る</source>
        <translation>Space. While reeling in, Left pulls in and Right gives line</translation>
    </message>
    <message>
        <source>１キー</source>
        <translation>Key 1</translation>
    </message>
    <message>
        <source>２キー</source>
        <translation>Key 2</translation>
    </message>
    <message>
        <source>３キー</source>
        <translation>Key 3</translation>
    </message>
    <message>
        <source>Ｈキー：表示、Shift＋Ｈ：数字送り</source>
        <translation>H shows the tip, Shift+H skips to the next</translation>
    </message>
    <message>
        <source>Ｒキー</source>
        <translation>Key R</translation>
    </message>
    <message>
        <source>Ctrl＋Ｎ</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Ｆキー：ウキ巾を変える</source>
        <translation>F changes the float&apos;s width</translation>
    </message>
    <message>
        <source>F1キー</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Ｐキー：一時停止、Ｍキー：音を消す</source>
        <translation>P pauses the game, M turns the sound off and on</translation>
    </message>
</context>
<context>
    <name>Ranking</name>
    <message>
        <source>ランキングの ファイルを 読めません！</source>
        <translation>Cannot read the ranking file!</translation>
    </message>
    <message>
        <source>ランキングを 保存できません！</source>
        <translation>Cannot save the ranking!</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
<byte value="xd"/>
&#x3000;%2<byte value="xd"/>
&#x3000;（ %3 ）<byte value="xd"/>
<byte value="xd"/>
（ 今回の 成績は ランキングに 残りません ）</source>
        <translation>%1<byte value="xd"/>
<byte value="xd"/>
  %2<byte value="xd"/>
  (%3)<byte value="xd"/>
<byte value="xd"/>
(This game&apos;s result is not kept in the ranking)</translation>
    </message>
    <message numerus="yes">
        <source>%n ポイント、60cm %1 尾、尺半上 %2 尾、計 %3 尾、%4 Kg</source>
        <translation>
            <numerusform>%n point, %1 of 60 cm, %2 of 50 cm or more, %3 fish, %4 kg</numerusform>
            <numerusform>%n points, %1 of 60 cm, %2 of 50 cm or more, %3 fish, %4 kg</numerusform>
        </translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>RankingReason</name>
    <message>
        <source>ふつうの ファイルでは ありません</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>リンク先の フォルダーが ありません</source>
        <translation>The link&apos;s target folder does not exist</translation>
    </message>
    <message>
        <source>ほかの ゲームが 使って います</source>
        <translation>Another game is using it</translation>
    </message>
    <message>
        <source>ほかの ゲームの 成績で ５位から 外れました</source>
        <translation>Other games&apos; results pushed this one out of the top five</translation>
    </message>
    <message>
        <source>読めなかった ファイルは 上書きしません</source>
        <translation>A file that could not be read is not overwritten</translation>
    </message>
    <message>
        <source>ディスクに 空きが ありません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>読み込みが 許可されて いません</source>
        <translation>Reading is not permitted</translation>
    </message>
    <message>
        <source>書き込みが 許可されて いません</source>
        <translation>Writing is not permitted</translation>
    </message>
    <message>
        <source>読み取り専用の 場所です</source>
        <translation>The place is read-only</translation>
    </message>
    <message>
        <source>同じ名前の フォルダーが あります</source>
        <translation>A folder has the same name</translation>
    </message>
    <message>
        <source>フォルダーが ありません</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>ファイルの 大きさの 上限を 超えます</source>
        <translation>The file would exceed the size limit</translation>
    </message>
    <message>
        <source>リンクが 輪に なって います</source>
        <translation>The links form a loop</translation>
    </message>
    <message>
        <source>ディスクの 読み書きに 失敗しました</source>
        <translation>The disk could not be read or written</translation>
    </message>
    <message>
        <source>ファイルを 置き換えられません</source>
        <translation>The file cannot be replaced</translation>
    </message>
    <message>
        <source>名前が 長すぎます</source>
        <translation>The name is too long</translation>
    </message>
    <message>
        <source>メモリが 足りません</source>
        <translation>Not enough memory</translation>
    </message>
    <message>
        <source>開いて いる ファイルが 多すぎます</source>
        <translation>Too many files are open</translation>
    </message>
    <message>
        <source>思わぬ エラーです（ 番号 %1 ）</source>
        <translation>Unexpected error (number %1)</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>エサ落ち</source>
        <translation>Bait lost</translation>
    </message>
    <message>
        <source>スレアタリ</source>
        <translation>False bite</translation>
    </message>
    <message>
        <source>空アワセ</source>
        <translation>Empty strike</translation>
    </message>
    <message>
        <source>ハリス切れ</source>
        <translation>Line broke</translation>
    </message>
    <message>
        <source>ぬよ&#x3000;%1 ㎝</source>
        <translation>Nuyo %1 cm</translation>
    </message>
    <message>
        <source>%1 ！</source>
        <translation>%1!</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Direct Soundインターフェースが作成できません。&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The sound output cannot be opened.</translation>
    </message>
    <message>
        <source>ぬよ</source>
        <translation>Nuyo</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>%1． %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;計&#x3000; %1．%2 Ｋｇ</source>
        <translation>   Total %1.%2 kg</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>&#x3000;自然を 大切に！&#x3000;&#x3000;&#x3000;</source>
        <translation>Take care of nature!</translation>
    </message>
    <message>
        <source> * 空アワセ ----- 食いアタリではありません。<byte value="xd"/>
<byte value="xd"/>
 * スレアタリ ---- エサ合わせが合っていないので食いません。 &#x3000;<byte value="xd"/>
<byte value="xd"/>
 * ハリス切れ --- ぬよの引きが強いので糸が切れました。</source>
        <translation> * Empty strike --- that was not a real bite.<byte value="xd"/>
<byte value="xd"/>
 * False bite ----- wrong bait: the fish will not take it.  <byte value="xd"/>
<byte value="xd"/>
 * Line broke ----- the nuyo pulled too hard and broke the line.</translation>
    </message>
    <message>
        <source>&#x3000;ゴミは 持ち帰ろう！&#x3000;&#x3000;&#x3000;</source>
        <translation>Take your litter home!</translation>
    </message>
    <message>
        <source>&#x3000;* 硬めは 食い上げアタリ<byte value="xd"/>
&#x3000;&#x3000; &#x3000;&#x3000;（ ウキが上がる ）<byte value="xd"/>
<byte value="xd"/>
&#x3000;* 柔らかめは 肩アタリ<byte value="xd"/>
&#x3000;&#x3000; &#x3000;&#x3000;（ ウキが斜めに下がる ）&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;* ６０㎝は 消し込みアタリ<byte value="xd"/>
&#x3000;&#x3000; &#x3000;&#x3000;（ ウキが完全に潜る ）</source>
        <translation> * Firm bait: a lift bite<byte value="xd"/>
        (the float rises)<byte value="xd"/>
<byte value="xd"/>
 * Soft bait: a sideways bite<byte value="xd"/>
        (the float sinks at a slant)<byte value="xd"/>
<byte value="xd"/>
 * 60 cm fish: a plunge<byte value="xd"/>
        (the float goes right under)</translation>
    </message>
    <message>
        <source>&#x3000;釣魚は リリース！&#x3000;&#x3000;&#x3000;</source>
        <translation>Release what you catch!</translation>
    </message>
    <message>
        <source>&#x3000;＜ 尺半上      &#x3000; (50cm以上)&#x3000;＞&#x3000;&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;＜ 名人&#x3000;&#x3000;&#x3000;&#x3000; &#x3000;６０㎝ (弐尺)&#x3000;＞<byte value="xd"/>
<byte value="xd"/>
&#x3000;＜ 太公望&#x3000;(60cmを２尾以上)&#x3000;＞</source>
        <translation>&lt; 50 cm+ &gt; a fish of 50 cm or more<byte value="xd"/>
<byte value="xd"/>
&lt; Master &gt; a fish of 60 cm<byte value="xd"/>
<byte value="xd"/>
&lt; Grand master &gt; two fish of 60 cm</translation>
    </message>
    <message>
        <source>&#x3000;伸ばした 竿の先に 注意！&#x3000;&#x3000;&#x3000;</source>
        <translation>Mind the tip of your rod!</translation>
    </message>
    <message>
        <source> * 「ウキ：」の下の黒枠内を<byte value="xd"/>
    &#x3000;  クリック --- ウキ巾を変える<byte value="xd"/>
<byte value="xd"/>
 * 「ワンポイント」を<byte value="xd"/>
   &#x3000;   左クリック --- 表示<byte value="xd"/>
   &#x3000;   右クリック --- 数字送り<byte value="xd"/>
<byte value="xd"/>
 * 臨時終了はタイトルバー「×」クリック&#x3000;&#x3000;</source>
        <translation> * Click the black box under &quot;Float:&quot;<byte value="xd"/>
        --- switches the float between thick and thin<byte value="xd"/>
<byte value="xd"/>
 * &quot;Tip&quot;:<byte value="xd"/>
        left-click --- shows the tip<byte value="xd"/>
        right-click --- moves to the next tip<byte value="xd"/>
<byte value="xd"/>
 * To stop early, click the title bar&apos;s &quot;x&quot;</translation>
    </message>
    <message>
        <source>&#x3000;あっ！ カワセミ だ！&#x3000;&#x3000;&#x3000;</source>
        <translation>Look! A kingfisher!</translation>
    </message>
    <message>
        <source> * スペース --- 振り込み・合わせ<byte value="xd"/>
   ← → --- 引き寄せる・糸を送る<byte value="xd"/>
<byte value="xd"/>
 * １ ２ ３ --- エサ合わせ&#x3000;&#x3000;Ｆ --- ウキ巾<byte value="xd"/>
<byte value="xd"/>
 * Ｈ --- ワンポイント表示<byte value="xd"/>
   Shift＋Ｈ --- 数字送り<byte value="xd"/>
<byte value="xd"/>
 * Ｐ --- 一時停止&#x3000;&#x3000;Ｍ --- 音を消す<byte value="xd"/>
<byte value="xd"/>
 * 臨時終了は Ctrl＋Ｑ&#x3000;&#x3000;</source>
        <translation> * Space --- cast, strike<byte value="xd"/>
   Left Right --- pull in, give line<byte value="xd"/>
<byte value="xd"/>
 * 1 2 3 --- the bait type    F --- the float<byte value="xd"/>
<byte value="xd"/>
 * H --- shows the tip<byte value="xd"/>
   Shift+H --- the next number<byte value="xd"/>
<byte value="xd"/>
 * P --- pause    M --- sound off<byte value="xd"/>
<byte value="xd"/>
 * To stop early, press Ctrl+Q  </translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ぬ よ</source>
        <translation>Nuyo</translation>
    </message>
    <message>
        <source>  ２５６色では使用できません！  </source>
        <translation>The game cannot run with 256 colours!</translation>
    </message>
    <message>
        <source>既に「 ぬ よ 」は起動しています！&#x3000;&#x3000;</source>
        <translation>&quot;Nuyo&quot; is already running!</translation>
    </message>
</context>
<context>
    <name>nuyo::RankingWindow</name>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>＜&#x3000;登録完了！ ＞</source>
        <translation>&lt; Name entered! &gt;</translation>
    </message>
    <message>
        <source>＜&#x3000;保存できません！ ＞</source>
        <translation>&lt; Cannot save! &gt;</translation>
    </message>
    <message>
        <source>あきらめる</source>
        <translation>Give up</translation>
    </message>
    <message>
        <source>＜ ファイル使用中： 待機 %1 秒 ＞</source>
        <translation>&lt; File in use: waiting %1 s &gt;</translation>
    </message>
</context>
</TS>
