<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Action</name>
    <message>
        <source>振り込み</source>
        <translation type="vanished">Cast</translation>
    </message>
    <message>
        <source>合わせ</source>
        <translation type="vanished">Strike!</translation>
    </message>
    <message>
        <source>取り込み</source>
        <translation type="vanished">Reel in</translation>
    </message>
    <message>
        <source>エサ落ち</source>
        <translation type="vanished">Bait lost</translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="vanished">End</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source> * ぬ よ *</source>
        <translation type="vanished"> * Nuyo *</translation>
    </message>
</context>
<context>
    <name>Grades</name>
    <message>
        <source>＜ 太公望！＞&#x3000;あなたは天才です！</source>
        <translation type="vanished">&lt; Grand master! &gt;  You are a genius!</translation>
    </message>
    <message>
        <source>＜ 名人！＞&#x3000;次は「太公望！」！</source>
        <translation type="vanished">&lt; Master! &gt;  Next: &quot;Grand master!&quot;</translation>
    </message>
    <message>
        <source>＜ 上級 ＞&#x3000;アンタはうまい！</source>
        <translation type="vanished">&lt; Advanced &gt;  You are good!</translation>
    </message>
    <message>
        <source>＜ 上級 ＞&#x3000;よく やったね！</source>
        <translation type="vanished">&lt; Advanced &gt;  Well done!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;次は 上級！</source>
        <translation type="vanished">&lt; Intermediate &gt;  Advanced next!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;まあまあ やね！</source>
        <translation type="vanished">&lt; Intermediate &gt;  Not bad!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;練習あるのみ！</source>
        <translation type="vanished">&lt; Intermediate &gt;  Keep practising!</translation>
    </message>
    <message>
        <source>＜ 中級 ＞&#x3000;辛抱が足らん！</source>
        <translation type="vanished">&lt; Intermediate &gt;  More patience!</translation>
    </message>
    <message>
        <source>＜ 初級 ＞&#x3000;ヘタクソ！</source>
        <translation type="vanished">&lt; Beginner &gt;  Clumsy!</translation>
    </message>
    <message>
        <source>・・・・！</source>
        <translation type="vanished">....!</translation>
    </message>
</context>
<context>
    <name>Introduction</name>
    <message>
        <source>はじめに.txt</source>
        <translation type="vanished">introduction.txt</translation>
    </message>
</context>
<context>
    <name>Layout</name>
    <message>
        <source> 釣りゲーム&#x3000;&#x3000;「 ぬ よ 」</source>
        <translation type="vanished"> Fishing game  &quot;Nuyo&quot;</translation>
    </message>
    <message>
        <source>成績ランキング</source>
        <translation type="vanished">Ranking</translation>
    </message>
    <message>
        <source>硬め</source>
        <translation type="vanished">Firm</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation type="vanished">Normal</translation>
    </message>
    <message>
        <source>ワンポイント * 1</source>
        <translation type="vanished">Tip * 1</translation>
    </message>
    <message>
        <source>柔らかめ</source>
        <translation type="vanished">Soft</translation>
    </message>
    <message>
        <source>振り込み</source>
        <translation type="vanished">Cast</translation>
    </message>
    <message>
        <source>－   納&#x3000;竿   －</source>
        <translation type="vanished">-   Game over   -</translation>
    </message>
    <message>
        <source>新規ゲーム</source>
        <translation type="vanished">New game</translation>
    </message>
    <message>
        <source>ウキ：太</source>
        <translation type="vanished">Thick</translation>
    </message>
    <message>
        <source>エサ合わせ</source>
        <translation type="vanished">Bait type</translation>
    </message>
    <message>
        <source>エサの数</source>
        <translation type="vanished">Baits</translation>
    </message>
    <message>
        <source>尾</source>
        <translation type="vanished">fish</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation type="vanished">Comment</translation>
    </message>
    <message>
        <source>キー入力</source>
        <translation type="vanished">Keyboard</translation>
    </message>
    <message>
        <source>釣果の数</source>
        <translation type="vanished">Fish caught</translation>
    </message>
    <message>
        <source>糸の張り</source>
        <translation type="vanished">Line tension</translation>
    </message>
    <message>
        <source>釣果</source>
        <translation type="vanished">Catch log</translation>
    </message>
    <message>
        <source>釣り場</source>
        <translation type="vanished">Pond</translation>
    </message>
    <message>
        <source>ウキの拡大図</source>
        <translation type="vanished">Float close-up</translation>
    </message>
    <message>
        <source>大きさの印</source>
        <translation type="vanished">Size stamp</translation>
    </message>
    <message>
        <source>大きさの文字（赤）</source>
        <translation type="vanished">Size text (red)</translation>
    </message>
    <message>
        <source>大きさの文字（黄）</source>
        <translation type="vanished">Size text (yellow)</translation>
    </message>
    <message>
        <source>大きさの文字の型</source>
        <translation type="vanished">Size text mask</translation>
    </message>
    <message>
        <source>大きさの文字の下地</source>
        <translation type="vanished">Size text blank</translation>
    </message>
    <message>
        <source>作業用の絵</source>
        <translation type="vanished">Work picture</translation>
    </message>
    <message>
        <source>カワセミ</source>
        <translation type="vanished">Kingfisher</translation>
    </message>
    <message>
        <source>カワセミの通り道</source>
        <translation type="vanished">Kingfisher&apos;s pass</translation>
    </message>
    <message>
        <source>釣り人 1</source>
        <translation type="vanished">Angler 1</translation>
    </message>
    <message>
        <source>釣り人 2</source>
        <translation type="vanished">Angler 2</translation>
    </message>
    <message>
        <source>釣り人 3</source>
        <translation type="vanished">Angler 3</translation>
    </message>
    <message>
        <source>釣り人 4</source>
        <translation type="vanished">Angler 4</translation>
    </message>
    <message>
        <source>釣り人 5</source>
        <translation type="vanished">Angler 5</translation>
    </message>
    <message>
        <source>釣り人 6</source>
        <translation type="vanished">Angler 6</translation>
    </message>
    <message>
        <source>釣り人 7</source>
        <translation type="vanished">Angler 7</translation>
    </message>
    <message>
        <source>釣り人 8</source>
        <translation type="vanished">Angler 8</translation>
    </message>
    <message>
        <source>釣れた ぬよ</source>
        <translation type="vanished">Landed nuyo</translation>
    </message>
    <message>
        <source>魚籠（はじめに）</source>
        <translation type="vanished">Basket (introduction)</translation>
    </message>
    <message>
        <source>水しぶき</source>
        <translation type="vanished">Splash</translation>
    </message>
    <message>
        <source>結果の印</source>
        <translation type="vanished">Result marks</translation>
    </message>
    <message>
        <source>練習の池</source>
        <translation type="vanished">Practice pond</translation>
    </message>
    <message>
        <source>大物の印</source>
        <translation type="vanished">Big-catch marks</translation>
    </message>
    <message>
        <source>飛ぶカワセミ</source>
        <translation type="vanished">Flying kingfisher</translation>
    </message>
    <message>
        <source>止まったカワセミ</source>
        <translation type="vanished">Perched kingfisher</translation>
    </message>
    <message>
        <source>本番の印</source>
        <translation type="vanished">Real game mark</translation>
    </message>
    <message>
        <source>本番の池</source>
        <translation type="vanished">Real game pond</translation>
    </message>
    <message>
        <source>ウキ</source>
        <translation type="vanished">Float</translation>
    </message>
    <message>
        <source>大物の枠</source>
        <translation type="vanished">Big-catch frame</translation>
    </message>
    <message>
        <source>釣り場の枠</source>
        <translation type="vanished">Pond frame</translation>
    </message>
    <message>
        <source>練 習</source>
        <translation type="vanished">Practice</translation>
    </message>
    <message>
        <source>本 番</source>
        <translation type="vanished">Real game</translation>
    </message>
    <message>
        <source>  只今、準備中 ・・・</source>
        <translation type="vanished">  Getting ready ...</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation type="vanished">Title</translation>
    </message>
    <message>
        <source>スレアタリ</source>
        <translation type="vanished">False bite</translation>
    </message>
    <message>
        <source>結果</source>
        <translation type="vanished">Result</translation>
    </message>
    <message>
        <source>釣果の絵</source>
        <translation type="vanished">Catch picture</translation>
    </message>
    <message>
        <source>釣り上げの絵</source>
        <translation type="vanished">Landing picture</translation>
    </message>
    <message>
        <source>大物の絵</source>
        <translation type="vanished">Big-catch picture</translation>
    </message>
    <message>
        <source>ぬよの絵</source>
        <translation type="vanished">Nuyo pictures</translation>
    </message>
    <message>
        <source>ハリス切れの絵</source>
        <translation type="vanished">Line-break picture</translation>
    </message>
    <message>
        <source>外れの絵</source>
        <translation type="vanished">Miss picture</translation>
    </message>
    <message>
        <source>名前入力は半角 ８文字まで</source>
        <translation type="vanished">Name: up to 8 letters</translation>
    </message>
    <message>
        <source>１．</source>
        <translation type="vanished">1.</translation>
    </message>
    <message>
        <source>    ポイント： 60cm：尺半上： 尾数：  Ｋｇ：  釣り師</source>
        <translation type="vanished">      Points： 60cm： 50cm+： Fish：    Kg：  Angler</translation>
    </message>
    <message>
        <source>２．</source>
        <translation type="vanished">2.</translation>
    </message>
    <message>
        <source>３．</source>
        <translation type="vanished">3.</translation>
    </message>
    <message>
        <source>４．</source>
        <translation type="vanished">4.</translation>
    </message>
    <message>
        <source>５．</source>
        <translation type="vanished">5.</translation>
    </message>
    <message>
        <source>＜  成績 ： ポイント ＊ ランキング  ＞</source>
        <translation type="vanished">&lt;  Results : Points * Ranking  &gt;</translation>
    </message>
    <message>
        <source>ランキング</source>
        <translation type="vanished">Ranking</translation>
    </message>
    <message>
        <source>ランキングに登録</source>
        <translation type="vanished">Rank results</translation>
    </message>
    <message>
        <source>名前</source>
        <translation type="vanished">Name</translation>
    </message>
    <message>
        <source>枠</source>
        <translation type="vanished">Frame</translation>
    </message>
    <message>
        <source>区切り線</source>
        <translation type="vanished">Divider</translation>
    </message>
    <message>
        <source>1位</source>
        <translation type="vanished">1st</translation>
    </message>
    <message>
        <source>2位</source>
        <translation type="vanished">2nd</translation>
    </message>
    <message>
        <source>3位</source>
        <translation type="vanished">3rd</translation>
    </message>
    <message>
        <source>4位</source>
        <translation type="vanished">4th</translation>
    </message>
    <message>
        <source>5位</source>
        <translation type="vanished">5th</translation>
    </message>
    <message>
        <source>今回の成績</source>
        <translation type="vanished">This game&apos;s result</translation>
    </message>
    <message>
        <source>今回の順位</source>
        <translation type="vanished">This game&apos;s place</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <source>エサ落ち</source>
        <translation type="vanished">Bait lost</translation>
    </message>
    <message>
        <source>スレアタリ</source>
        <translation type="vanished">False bite</translation>
    </message>
    <message>
        <source>空アワセ</source>
        <translation type="vanished">Empty strike</translation>
    </message>
    <message>
        <source>ハリス切れ</source>
        <translation type="vanished">Line broke</translation>
    </message>
    <message>
        <source>ぬよ&#x3000;%1 ㎝</source>
        <translation type="vanished">Nuyo %1 cm</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Direct Soundインターフェースが作成できません。&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">The sound output cannot be opened.    </translation>
    </message>
    <message>
        <source>ぬよ</source>
        <translation type="vanished">Nuyo</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>%1． %2</source>
        <translation type="vanished">%1. %2</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;計&#x3000; %1．%2 Ｋｇ</source>
        <translation type="vanished">   Total %1.%2 kg</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>&#x3000;自然を 大切に！&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">  Take care of nature!   </translation>
    </message>
    <message>
        <source> * 空アワセ ----- 食いアタリではありません。<byte value="xd"/>
<byte value="xd"/>
 * スレアタリ ---- エサ合わせが合っていないので食いません。 &#x3000;<byte value="xd"/>
<byte value="xd"/>
 * ハリス切れ --- ぬよの引きが強いので糸が切れました。</source>
        <translation type="vanished"> * Empty strike --- that was not a real bite.<byte value="xd"/>
<byte value="xd"/>
 * False bite ----- wrong bait: the fish will not take it.  <byte value="xd"/>
<byte value="xd"/>
 * Line broke ----- the nuyo pulled too hard and broke the line.</translation>
    </message>
    <message>
        <source>&#x3000;ゴミは 持ち帰ろう！&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">  Take your litter home!   </translation>
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
        <translation type="vanished">  * Firm bait: a lift bite<byte value="xd"/>
          ( the float rises )<byte value="xd"/>
<byte value="xd"/>
  * Soft bait: a shoulder bite<byte value="xd"/>
          ( the float sinks at a slant )   <byte value="xd"/>
<byte value="xd"/>
  * 60 cm: a plunge<byte value="xd"/>
          ( the float goes right under )</translation>
    </message>
    <message>
        <source>&#x3000;釣魚は リリース！&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">  Release what you catch!   </translation>
    </message>
    <message>
        <source>&#x3000;＜ 尺半上      &#x3000; (50cm以上)&#x3000;＞&#x3000;&#x3000;&#x3000;<byte value="xd"/>
<byte value="xd"/>
&#x3000;＜ 名人&#x3000;&#x3000;&#x3000;&#x3000; &#x3000;６０㎝ (弐尺)&#x3000;＞<byte value="xd"/>
<byte value="xd"/>
&#x3000;＜ 太公望&#x3000;(60cmを２尾以上)&#x3000;＞</source>
        <translation type="vanished">  &lt; 50 cm+           (50 cm or more) &gt;   <byte value="xd"/>
<byte value="xd"/>
  &lt; Master            60 cm &gt;<byte value="xd"/>
<byte value="xd"/>
  &lt; Grand master  (two of 60 cm) &gt;</translation>
    </message>
    <message>
        <source>&#x3000;伸ばした 竿の先に 注意！&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">  Mind the tip of your rod!   </translation>
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
        <translation type="vanished"> * Click inside the black box under &quot;Thick&quot;<byte value="xd"/>
        --- changes the float&apos;s width<byte value="xd"/>
<byte value="xd"/>
 * &quot;Tip&quot;:<byte value="xd"/>
        left click --- shows the tip<byte value="xd"/>
        right click --- the next number<byte value="xd"/>
<byte value="xd"/>
 * To stop early, click the title bar&apos;s &quot;x&quot;  </translation>
    </message>
    <message>
        <source>&#x3000;あっ！ カワセミ だ！&#x3000;&#x3000;&#x3000;</source>
        <translation type="vanished">  Look! A kingfisher!   </translation>
    </message>
</context>
</TS>
