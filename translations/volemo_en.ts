<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Message</name>
    <message>
        <source>MMLフレーズを作成しました。</source>
        <translation>MML phrase made.</translation>
    </message>
    <message>
        <source>ユークリッドリズムのパターンを作成</source>
        <translation>Euclidean rhythm pattern made</translation>
    </message>
    <message>
        <source>フレーズがまだありません。先にフレーズを作成してください。</source>
        <translation>There is no phrase yet. Make a phrase first.</translation>
    </message>
    <message>
        <source>MMLが作成後に書き換えられているため、ノートの操作はできません（書き換えたMMLはそのまま残します）。</source>
        <translation>The MML was edited after it was made, so its notes cannot be worked on (the edited MML stays as it is).</translation>
    </message>
    <message>
        <source>ランダムなパターンを作成</source>
        <translation>Random pattern made</translation>
    </message>
    <message>
        <source>読み込みエラー</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>MIDI ファイルではありません（先頭が MThd ではありません）。</source>
        <translation>Not a MIDI file (it does not begin with MThd).</translation>
    </message>
    <message>
        <source>演奏を開始できません（MIDI ファイルが開かれていません）。</source>
        <translation>Cannot start playing (no MIDI file is open).</translation>
    </message>
    <message>
        <source>ALSA シーケンサーを開けません（/dev/snd/seq がありません）。</source>
        <translation>Cannot open the ALSA sequencer (there is no /dev/snd/seq).</translation>
    </message>
    <message>
        <source>JACK に接続できません（JACK サーバーが動いていません）。</source>
        <translation>Cannot connect to JACK (the JACK server is not running).</translation>
    </message>
    <message>
        <source>JACK の MIDI 出力ポートを作成できません。</source>
        <translation>Cannot create the JACK MIDI output port.</translation>
    </message>
    <message>
        <source>演奏を開始しました。</source>
        <translation>Playing.</translation>
    </message>
    <message>
        <source>再生モジュールで原因不明のエラーが起きました。</source>
        <translation>An error of unknown cause in the playback module.</translation>
    </message>
    <message>
        <source>SMPTE 時間の MIDI ファイルは JACK のトランスポートに合わせて演奏できません。</source>
        <translation>A MIDI file in SMPTE time cannot follow the JACK transport.</translation>
    </message>
    <message>
        <source>JACK のトランスポートに合わせて演奏できるのは JACK のポートだけです。</source>
        <translation>Only a JACK port can follow the JACK transport.</translation>
    </message>
    <message>
        <source>ファイル "%1" は開けません。 %2</source>
        <translation>Cannot open the file "%1". %2</translation>
    </message>
    <message>
        <source>スケール定義ファイル"%1"がありません。</source>
        <translation>The scale file "%1" is missing.</translation>
    </message>
    <message>
        <source>スケール定義ファイル"%1"にスケールがありません。</source>
        <translation>The scale file "%1" holds no scale.</translation>
    </message>
    <message>
        <source>スケール定義ファイル"%1"に"Major" という名前のスケールがありません。</source>
        <translation>The scale file "%1" has no scale named "Major".</translation>
    </message>
    <message>
        <source>"%1": ノートのあるスター付きのテイクがありません。</source>
        <translation>"%1": there is no starred take with notes.</translation>
    </message>
    <message>
        <source>MIDI ファイル "%1" を開けません。</source>
        <translation>Cannot open the MIDI file "%1".</translation>
    </message>
    <message>
        <source>再生モジュールを読み込めません。</source>
        <translation>Cannot load the playback module.</translation>
    </message>
    <message>
        <source>"%1": .mid, .mml, .wav, .flac か .ogg のファイル名にしてください。</source>
        <translation>"%1": give a file name ending in .mid, .mml, .wav, .flac or .ogg.</translation>
    </message>
    <message>
        <source>音声出力を開けません（サウンドデバイスやサウンドサーバーが見つからないか、使用できません）。</source>
        <translation>Cannot open the sound output (no sound device or sound server was found, or none can be used).</translation>
    </message>
    <message>
        <source>SoundFont から音色を読み込めません。</source>
        <translation>Cannot load the voices from the SoundFont.</translation>
    </message>
    <message>
        <source>シンセサイザーを作成できません。</source>
        <translation>Cannot create the synthesizer.</translation>
    </message>
    <message>
        <source>SoundFont "%1" を読み込めません。</source>
        <translation>Cannot load the SoundFont "%1".</translation>
    </message>
    <message>
        <source>SoundFont "%1" を読み込めません（通常のファイルではありません）。</source>
        <translation>Cannot load the SoundFont "%1" (not a regular file).</translation>
    </message>
    <message>
        <source>SoundFont が見つかりません。探した場所: %1</source>
        <translation>No SoundFont found. Looked in: %1</translation>
    </message>
    <message>
        <source>演奏を開始できません。</source>
        <translation>Cannot start playing.</translation>
    </message>
    <message>
        <source>演奏中に音声出力が止まりました。</source>
        <translation>The sound output stopped while playing.</translation>
    </message>
    <message>
        <source>ファイル "%1" を作成できません。 %2</source>
        <translation>Cannot create the file "%1". %2</translation>
    </message>
    <message>
        <source>MML ファイル "%1" を読み込めません。 %2</source>
        <translation>Cannot read the MML file "%1". %2</translation>
    </message>
    <message>
        <source>MML ファイル "%1" を開けません。 %2</source>
        <translation>Cannot open the MML file "%1". %2</translation>
    </message>
    <message>
        <source>リストのインデックスが範囲を超えています (%1)</source>
        <translation>The list index is out of range (%1)</translation>
    </message>
    <message>
        <source>MIDI ポート "%1" が見つかりません。出力ポート:%2</source>
        <translation>MIDI port "%1" not found. Output ports:%2</translation>
    </message>
    <message>
        <source>MIDI ポート "%1" がひとつに決まりません。出力ポート:%2</source>
        <translation>MIDI port "%1" matches more than one port. Output ports:%2</translation>
    </message>
    <message>
        <source>MIDI ポート "%1" に接続できません。</source>
        <translation>Cannot connect to the MIDI port "%1".</translation>
    </message>
    <message>
        <source>MIDI ポート "%1" への出力が途切れました（ポートがなくなりました）。</source>
        <translation>The output to the MIDI port "%1" broke off (the port went away).</translation>
    </message>
    <message>
        <source>ファイル "%1" を作成できません。</source>
        <translation>Cannot create the file "%1".</translation>
    </message>
    <message>
        <source>ファイル "%1" を書き込めません。</source>
        <translation>Cannot write the file "%1".</translation>
    </message>
    <message>
        <source>"%1": .wav, .flac か .ogg のファイル名にしてください。</source>
        <translation>"%1": give a file name ending in .wav, .flac or .ogg.</translation>
    </message>
    <message>
        <source>MIDI ファイル "%1" は長すぎて WAV ファイルに収まりません。</source>
        <translation>The MIDI file "%1" is too long for a WAV file.</translation>
    </message>
    <message>
        <source>MIDI ファイル "%1" を演奏できません。</source>
        <translation>Cannot play the MIDI file "%1".</translation>
    </message>
    <message>
        <source>ファイル "%1" の作成を中断しました。</source>
        <translation>Stopped making the file "%1".</translation>
    </message>
    <message>
        <source>MML が長すぎます（16 MB まで）</source>
        <translation>the MML is too long (16 MB at most)</translation>
    </message>
    <message>
        <source>%1行目 %2文字目: NUL バイト "&lt;00&gt;" は MML に書けません。</source>
        <translation>Line %1, column %2: a NUL byte "&lt;00&gt;" cannot be written in MML.</translation>
    </message>
    <message>
        <source>%1行目 %2文字目: </source>
        <translation>Line %1, column %2: </translation>
    </message>
    <message>
        <source>MML が長すぎます（%1 MB まで）。</source>
        <translation>The MML is too long (%1 MB at most).</translation>
    </message>
    <message>
        <source>"%1" は未定義の命令です。</source>
        <translation>"%1" is no command.</translation>
    </message>
    <message>
        <source>数 "%1" の前に命令がありません。</source>
        <translation>The number "%1" has no command before it.</translation>
    </message>
    <message>
        <source>"%1" の後に数がありません。</source>
        <translation>"%1" needs a number after it.</translation>
    </message>
    <message>
        <source>"%1" は数ではありません（"%2" の後には数を書いてください）。</source>
        <translation>"%1" is not a number (write a number after "%2").</translation>
    </message>
    <message>
        <source>"%1" は範囲外です（%2～%3 で書いてください）。</source>
        <translation>"%1" is out of range (write %2 to %3).</translation>
    </message>
    <message>
        <source>"%1" の長さが 0 です。</source>
        <translation>"%1" has a length of 0.</translation>
    </message>
    <message>
        <source>"%1" に対応する "%2" がありません。</source>
        <translation>"%1" has no "%2" to close it.</translation>
    </message>
    <message>
        <source>"%1" に対応する "%2" がこの行にありません。</source>
        <translation>"%1" has no "%2" to close it on this line.</translation>
    </message>
    <message>
        <source>"%1" に対応する始まりがありません。</source>
        <translation>"%1" closes nothing that was opened.</translation>
    </message>
    <message>
        <source>"%1" は和音 &apos;…&apos; の中では使えません。</source>
        <translation>"%1" cannot stand inside a chord &apos;…&apos;.</translation>
    </message>
    <message>
        <source>"%1" は Div{…} の中では使えません。</source>
        <translation>"%1" cannot stand inside Div{…}.</translation>
    </message>
    <message>
        <source>"%1": 和音の中の音符には長さを書けません（閉じる "&apos;" の後に書いてください）。</source>
        <translation>"%1": a note inside a chord takes no length (write it after the closing "&apos;").</translation>
    </message>
    <message>
        <source>"%1": Div{…} の中には長さを書けません（"}" の後に書いてください）。</source>
        <translation>"%1": no length inside Div{…} (write it after the "}").</translation>
    </message>
    <message>
        <source>"%1" の中に音符がありません。</source>
        <translation>"%1" holds no note.</translation>
    </message>
    <message>
        <source>":" は繰り返し [ ] の外では使えません。</source>
        <translation>":" cannot stand outside a repeat [ ].</translation>
    </message>
    <message>
        <source>"%1" の後には "=数" か "(数)" を書いてください。</source>
        <translation>Write "=number" or "(number)" after "%1".</translation>
    </message>
    <message>
        <source>"Div" の後に "{" がありません。</source>
        <translation>"Div" has no "{" after it.</translation>
    </message>
    <message>
        <source>"%1": 拍子は "Meter(分子/分母)" で、分子は 1～255、分母は 1, 2, 4, 8, 16, 32, 64 のいずれかで書いてください。</source>
        <translation>"%1": write a meter as "Meter(numerator/denominator)", the numerator 1 to 255, the denominator one of 1, 2, 4, 8, 16, 32, 64.</translation>
    </message>
    <message>
        <source>"%1": ピッチベンドは "p%数" か "p%.T(始め,終わり,!長さ)" で書いてください。</source>
        <translation>"%1": write a pitch bend as "p%number" or "p%.T(start,end,!length)".</translation>
    </message>
    <message>
        <source>"%1": 括弧の中の長さは "%2" や "%3" のように書いてください。</source>
        <translation>"%1": write the length in the brackets as "%2" or "%3".</translation>
    </message>
    <message>
        <source>繰り返しの入れ子が深すぎます（%1 段まで）。</source>
        <translation>The repeats are nested too deep (%1 levels at most).</translation>
    </message>
    <message>
        <source>"Part" の後には "(名前)" を書いてください。</source>
        <translation>Write "(name)" after "Part".</translation>
    </message>
    <message>
        <source>"Part" は繰り返し [ ] の中では使えません。</source>
        <translation>"Part" cannot stand inside a repeat [ ].</translation>
    </message>
    <message>
        <source>パートの名前が長すぎます（%1 バイトまで）。</source>
        <translation>The part&apos;s name is too long (%1 bytes at most).</translation>
    </message>
    <message>
        <source>パートが多すぎます（%1 個まで）。</source>
        <translation>Too many parts (%1 at most).</translation>
    </message>
    <message>
        <source>オクターブ %1 の "%2" はノート番号 %3 になり、範囲外です（0～127）。</source>
        <translation>"%2" in octave %1 is key %3, out of range (0 to 127).</translation>
    </message>
    <message>
        <source>"%1" の長さ %2 ティックを %3 つに分けると長さが 0 になります。</source>
        <translation>"%1": %2 ticks split into %3 leaves a length of 0.</translation>
    </message>
    <message>
        <source>MIDI イベントが多すぎます（%1 個まで）。繰り返しの回数を確かめてください。</source>
        <translation>Too many MIDI events (%1 at most). Check the repeat counts.</translation>
    </message>
    <message>
        <source>曲が長すぎます（24 時間まで）。繰り返しの回数や長さを確かめてください。</source>
        <translation>The piece is too long (24 hours at most). Check the repeat counts and lengths.</translation>
    </message>
    <message>
        <source>実行する命令が多すぎます（繰り返しの各回を数えて %1 個まで）。繰り返しの回数を確かめてください。</source>
        <translation>Too many commands to perform (%1 at most, counting each pass of a repeat). Check the repeat counts.</translation>
    </message>
    <message>
        <source>MML が渡されていません。</source>
        <translation>No MML was given.</translation>
    </message>
    <message>
        <source>MIDI ファイルの保存先が指定されていません。</source>
        <translation>No path was given for the MIDI file.</translation>
    </message>
    <message>
        <source>MIDI ファイルの受け取り先が指定されていません。</source>
        <translation>No place was given to receive the MIDI file.</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（保存先のフォルダがありません）。</source>
        <translation>Cannot write the MIDI file (its folder does not exist).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（書き込みの権限がありません）。</source>
        <translation>Cannot write the MIDI file (no permission to write).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（ディスクに空きがありません）。</source>
        <translation>Cannot write the MIDI file (the disk is full).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（読み取り専用の場所です）。</source>
        <translation>Cannot write the MIDI file (the place is read-only).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（同じ名前のフォルダがあります）。</source>
        <translation>Cannot write the MIDI file (a folder has the same name).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（パスが長すぎます）。</source>
        <translation>Cannot write the MIDI file (the path is too long).</translation>
    </message>
    <message>
        <source>MIDI ファイルを書き込めません（エラー番号 %1）。</source>
        <translation>Cannot write the MIDI file (error number %1).</translation>
    </message>
    <message>
        <source>メモリが足りません。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>コンパイラの内部エラーです（%1）。</source>
        <translation>An internal error of the compiler (%1).</translation>
    </message>
    <message>
        <source>スケール定義ファイルとしては大きすぎます（4 MiB まで）</source>
        <translation>too large for a scale file (4 MiB at most)</translation>
    </message>
    <message>
        <source>トラック %1・チャンネル %2にノートがありません。</source>
        <translation>track %1, channel %2 holds no notes.</translation>
    </message>
    <message>
        <source>トラック %1にノートがありません。</source>
        <translation>track %1 holds no notes.</translation>
    </message>
    <message>
        <source>チャンネル %1にノートがありません。</source>
        <translation>channel %1 holds no notes.</translation>
    </message>
    <message>
        <source>ファイルにノートがありません。</source>
        <translation>the file holds no notes.</translation>
    </message>
    <message>
        <source>形式 2 の MIDI ファイル（別々の曲の集まり）からは学べません。</source>
        <translation>cannot learn from a MIDI file of format 2 (a collection of separate pieces).</translation>
    </message>
    <message>
        <source>トラック %1 はありません（音のあるトラックは %2 まで）。</source>
        <translation>there is no track %1 (the tracks with sound go up to %2).</translation>
    </message>
    <message>
        <source>ドラム（チャンネル 10）のノートしかありません（ドラムはチャンネル 10 を選ぶと読みます）。</source>
        <translation>there are only drum notes (channel 10); the drums are read when channel 10 is chosen.</translation>
    </message>
    <message>
        <source>途中で切れています</source>
        <translation>is cut short</translation>
    </message>
    <message>
        <source>4 バイトを超える可変長の数値を含んでいます</source>
        <translation>holds a variable-length number longer than 4 bytes</translation>
    </message>
    <message>
        <source>MIDI ファイルとして読めません（%1が%2）。</source>
        <translation>Cannot read it as a MIDI file (%1 %2).</translation>
    </message>
    <message>
        <source>テンポ 0 を含んでいます</source>
        <translation>holds a tempo of 0</translation>
    </message>
    <message>
        <source>不明なステータスバイトを含んでいます</source>
        <translation>holds an unknown status byte</translation>
    </message>
    <message>
        <source>ステータスのないデータで始まっています</source>
        <translation>begins with data without a status</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>the file</translation>
    </message>
    <message>
        <source>短すぎるヘッダを持っています</source>
        <translation>has too short a header</translation>
    </message>
    <message>
        <source>ヘッダ</source>
        <translation>the header</translation>
    </message>
    <message>
        <source>時間の分解能 0 を指定しています</source>
        <translation>gives a time division of 0</translation>
    </message>
    <message>
        <source>トラック %1 </source>
        <translation>track %1</translation>
    </message>
    <message>
        <source>トラックを持っていません</source>
        <translation>has no tracks</translation>
    </message>
    <message>
        <source>長すぎる時間を持っています</source>
        <translation>lasts too long</translation>
    </message>
    <message>
        <source>トラック</source>
        <translation>the track</translation>
    </message>
    <message>
        <source>MIDI ファイルとしては大きすぎます（128 MiB まで）</source>
        <translation>too large for a MIDI file (128 MiB at most)</translation>
    </message>
    <message>
        <source>"%1" はシフトJIS（CP932）で保存できない文字です。</source>
        <translation>"%1" is a character that Shift JIS (CP932) cannot hold.</translation>
    </message>
    <message>
        <source>UTF-16 のテキストとして読めません。</source>
        <translation>Cannot read it as UTF-16 text.</translation>
    </message>
    <message>
        <source>%1行目に制御文字 "%2" があります。テキストの MML ではありません。</source>
        <translation>Line %1 holds the control character "%2". This is not MML text.</translation>
    </message>
    <message>
        <source>通常のファイルではありません</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>"%1": %2</source>
        <translation>"%1": %2</translation>
    </message>
</context>
<context>
    <name>Preset</name>
    <message>
        <source>ペンタトニックの笛</source>
        <translation>Pentatonic flute</translation>
    </message>
    <message>
        <source>ブルースのベース</source>
        <translation>Blues bass</translation>
    </message>
    <message>
        <source>琉球音階の三線</source>
        <translation>Ryūkyū sanshin</translation>
    </message>
    <message>
        <source>都節音階の箏</source>
        <translation>Miyako-bushi koto</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>民謡音階</source>
        <translation>Min&apos;yō</translation>
    </message>
    <message>
        <source>都節音階</source>
        <translation>Miyako-bushi</translation>
    </message>
    <message>
        <source>律音階</source>
        <translation>Ritsu</translation>
    </message>
    <message>
        <source>琉球音階</source>
        <translation>Ryūkyū</translation>
    </message>
    <message>
        <source>陰音階</source>
        <translation>In</translation>
    </message>
    <message>
        <source>平調子</source>
        <translation>Hirajōshi</translation>
    </message>
</context>
<context>
    <name>volemo::AudioExport</name>
    <message>
        <source>%1 を書き出しています…</source>
        <translation>Writing %1…</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>volemo::ErrorBoundary</name>
    <message>
        <source>原因不明のエラー</source>
        <translation>An error of unknown cause</translation>
    </message>
</context>
<context>
    <name>volemo::GroovePanel</name>
    <message>
        <source>グルーヴ</source>
        <translation>Groove</translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation>16th notes</translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation>8th notes</translation>
    </message>
    <message>
        <source> ティック</source>
        <translation> ticks</translation>
    </message>
    <message>
        <source>スウィング</source>
        <translation>Swing</translation>
    </message>
    <message>
        <source>スウィングの単位</source>
        <translation>Swing grid</translation>
    </message>
    <message>
        <source>タイミングの揺れ</source>
        <translation>Timing humanize</translation>
    </message>
    <message>
        <source>ベロシティの揺れ</source>
        <translation>Velocity humanize</translation>
    </message>
    <message>
        <source>拍頭のアクセント</source>
        <translation>Beat accent</translation>
    </message>
    <message>
        <source>小節頭のアクセント</source>
        <translation>Bar accent</translation>
    </message>
    <message>
        <source>拍子とリズム</source>
        <translation>Meter and rhythm</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>拍子の標準 (例: 2+2+3)</source>
        <translation>The meter&apos;s default (e.g. 2+2+3)</translation>
    </message>
    <message>
        <source>ユークリッド</source>
        <translation>Euclidean</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>拍子</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>拍の分け方</source>
        <translation>Beat grouping</translation>
    </message>
    <message>
        <source>パターン</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>ステップの確率</source>
        <translation>Step probability</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>例: AA&apos;BA&apos; (空欄: 4 回繰り返し)</source>
        <translation>e.g. AA&apos;BA&apos; (empty: repeated 4 times)</translation>
    </message>
    <message>
        <source> 小節</source>
        <translation> bars</translation>
    </message>
    <message>
        <source> 音</source>
        <translation> notes</translation>
    </message>
    <message>
        <source>セクションの長さ</source>
        <translation>Section length</translation>
    </message>
    <message>
        <source>変奏で選び直す音</source>
        <translation>Notes redrawn in a variation</translation>
    </message>
    <message>
        <source>%1を読めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
</context>
<context>
    <name>volemo::OutputMenu</name>
    <message>
        <source>出力(&amp;O)</source>
        <translation>&amp;Output</translation>
    </message>
    <message>
        <source>内蔵シンセ</source>
        <translation>Built-in synthesizer</translation>
    </message>
    <message>
        <source>（MIDI ポートを探しています…）</source>
        <translation>(looking for MIDI ports…)</translation>
    </message>
    <message>
        <source>（見つかりません）</source>
        <translation> (not found)</translation>
    </message>
    <message>
        <source>（MIDI ポートがありません）</source>
        <translation>(no MIDI ports)</translation>
    </message>
    <message>
        <source>JACK のトランスポートに合わせる</source>
        <translation>Follow the JACK transport</translation>
    </message>
    <message>
        <source>MIDI クロックを送る</source>
        <translation>Send MIDI clock</translation>
    </message>
</context>
<context>
    <name>volemo::PartsPanel</name>
    <message>
        <source>旋律の線</source>
        <translation>Melodic line</translation>
    </message>
    <message>
        <source> 半音</source>
        <translation> semitones</translation>
    </message>
    <message>
        <source>制限なし</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>自由</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>山形</source>
        <translation>Arch</translation>
    </message>
    <message>
        <source>上昇</source>
        <translation>Rising</translation>
    </message>
    <message>
        <source>下降</source>
        <translation>Falling</translation>
    </message>
    <message>
        <source>波</source>
        <translation>Wave</translation>
    </message>
    <message>
        <source>なめらかさ</source>
        <translation>Smoothness</translation>
    </message>
    <message>
        <source>最大の跳躍</source>
        <translation>Largest leap</translation>
    </message>
    <message>
        <source>跳躍後に戻る</source>
        <translation>Turn back after a leap</translation>
    </message>
    <message>
        <source>終止</source>
        <translation>Cadence</translation>
    </message>
    <message>
        <source>輪郭</source>
        <translation>Contour</translation>
    </message>
    <message>
        <source>和音進行</source>
        <translation>Chord progression</translation>
    </message>
    <message>
        <source>例: I vi IV V、Am F C G、random</source>
        <translation>e.g. I vi IV V, Am F C G, random</translation>
    </message>
    <message>
        <source>新しく引く</source>
        <translation>Draw new</translation>
    </message>
    <message>
        <source>よく使われる進行の表から新しい進行を引きます</source>
        <translation>Draws a new progression from the table of common progressions</translation>
    </message>
    <message>
        <source>全音符</source>
        <translation>Whole notes</translation>
    </message>
    <message>
        <source>二分音符</source>
        <translation>Half notes</translation>
    </message>
    <message>
        <source>旋律のアクセント</source>
        <translation>The melody&apos;s accents</translation>
    </message>
    <message>
        <source>進行</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>和音の音に寄せる</source>
        <translation>Chord-tone pull</translation>
    </message>
    <message>
        <source>和音の刻み</source>
        <translation>Comping</translation>
    </message>
    <message>
        <source>パート</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>使う</source>
        <translation>On</translation>
    </message>
    <message>
        <source>チャンネル</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>ミュート</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>ソロ</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>旋律</source>
        <translation>Melody</translation>
    </message>
    <message>
        <source>ベース</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>和音</source>
        <translation>Chords</translation>
    </message>
    <message>
        <source>ドラム</source>
        <translation>Drums</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>作り直す</source>
        <translation>Re-roll</translation>
    </message>
    <message>
        <source>このパートのロックしていない音だけを選び直します</source>
        <translation>Redraws only this part&apos;s unlocked notes</translation>
    </message>
    <message>
        <source>和音進行を読めません: %1</source>
        <translation>Cannot read the chord progression: %1</translation>
    </message>
</context>
<context>
    <name>volemo::PhraseDrag</name>
    <message>
        <source>ファイル "%1" を作成できません。 %2</source>
        <translation>Cannot create the file "%1". %2</translation>
    </message>
    <message>
        <source>フォルダ "%1" を作成できません。 %2</source>
        <translation>Cannot create the folder "%1". %2</translation>
    </message>
    <message>
        <source>ドラッグするフレーズがありません。</source>
        <translation>There is no phrase to drag.</translation>
    </message>
</context>
<context>
    <name>volemo::RollNameButton</name>
    <message>
        <source>音名は MIDI 48 を C4 と数えます（範囲の指定と同じ）。クリックで C4 = 60 に</source>
        <translation>Note names count MIDI 48 as C4 (as the range does). Click for C4 = 60</translation>
    </message>
    <message>
        <source>音名は MIDI 60 を C4 と数えます。クリックで C4 = 48（範囲の指定と同じ）に</source>
        <translation>Note names count MIDI 60 as C4. Click for C4 = 48 (as the range does)</translation>
    </message>
</context>
<context>
    <name>volemo::RollNoteEdits</name>
    <message>
        <source>音の長さを変えました。</source>
        <translation>Note length changed.</translation>
    </message>
    <message>
        <source>音を動かしました。</source>
        <translation>Note moved.</translation>
    </message>
    <message>
        <source>音の高さを変えました。</source>
        <translation>Note pitch changed.</translation>
    </message>
    <message>
        <source>音を加えました。</source>
        <translation>Note added.</translation>
    </message>
    <message>
        <source>音を消しました。</source>
        <translation>Note removed.</translation>
    </message>
    <message>
        <source>音の強さを変えました。</source>
        <translation>Note velocity changed.</translation>
    </message>
    <message>
        <source>このフレーズは音の高さのほかは変えられません（拍の刻みが分からないため）。</source>
        <translation>Only the pitch of this phrase&apos;s notes can be changed (its step grid is not known).</translation>
    </message>
</context>
<context>
    <name>volemo::RollNoteView</name>
    <message>
        <source>%1 番目の音 </source>
        <translation>Note %1: </translation>
    </message>
    <message>
        <source>（鳴らない音）</source>
        <translation> (silent)</translation>
    </message>
    <message>
        <source>（ロック中）</source>
        <translation> (locked)</translation>
    </message>
</context>
<context>
    <name>volemo::RollRuler</name>
    <message>
        <source>クリックした所から演奏します</source>
        <translation>Plays from where you click</translation>
    </message>
</context>
<context>
    <name>volemo::SaveDialog</name>
    <message>
        <source>全て (*)</source>
        <translation>All files (*)</translation>
    </message>
</context>
<context>
    <name>volemo::TakeKeeper</name>
    <message>
        <source>テイクを記録できません: %1</source>
        <translation>Cannot keep takes: %1</translation>
    </message>
</context>
<context>
    <name>volemo::TakeList</name>
    <message>
        <source>★だけ表示</source>
        <translation>Only ★</translation>
    </message>
    <message>
        <source>★</source>
        <translation>★</translation>
    </message>
    <message>
        <source>星を付ける/外す (Ctrl+D)</source>
        <translation>Star or unstar (Ctrl+D)</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>書き出し…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>★のないテイクを新しい順にいくつ残すか</source>
        <translation>How many takes without a ★ to keep, newest first</translation>
    </message>
    <message>
        <source>読み込む</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>保存…</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>名前の変更…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>起動時に前回の設定を使う</source>
        <translation>Start with the last settings</translation>
    </message>
    <message>
        <source>プリセット</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>残す数</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>テイク.mid</source>
        <translation>take.mid</translation>
    </message>
    <message>
        <source>書き出せるのは .mid, .mml, .wav, .flac, .ogg のファイルです: %1</source>
        <translation>Takes can be exported as .mid, .mml, .wav, .flac or .ogg files only: %1</translation>
    </message>
    <message>
        <source>「%1」は付属のプリセットの名前です。</source>
        <translation>"%1" is the name of a shipped preset.</translation>
    </message>
    <message>
        <source>プリセットの名前</source>
        <translation>Preset name</translation>
    </message>
    <message>
        <source>付属のプリセット「%1」の名前は変えられません。</source>
        <translation>The shipped preset "%1" cannot be renamed.</translation>
    </message>
    <message>
        <source>新しい名前</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>「%1」という名前のプリセットがもうあります。</source>
        <translation>There is already a preset named "%1".</translation>
    </message>
    <message>
        <source>付属のプリセット「%1」は削除できません。</source>
        <translation>The shipped preset "%1" cannot be deleted.</translation>
    </message>
    <message>
        <source>全てのスケール</source>
        <translation>All scales</translation>
    </message>
    <message>
        <source>全ての操作</source>
        <translation>All operations</translation>
    </message>
</context>
<context>
    <name>volemo::TakeListModel</name>
    <message>
        <source>日時</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>スケールとキー</source>
        <translation>Scale and key</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>パターン</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>新しいフレーズ</source>
        <translation>New phrase</translation>
    </message>
    <message>
        <source>プリセット</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>作り直し</source>
        <translation>Re-roll</translation>
    </message>
    <message>
        <source>変異</source>
        <translation>Mutate</translation>
    </message>
    <message>
        <source>手で編集</source>
        <translation>Edited by hand</translation>
    </message>
    <message>
        <source>開いたファイル</source>
        <translation>Opened file</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>学習</source>
        <translation>Learned</translation>
    </message>
    <message>
        <source>★</source>
        <translation>★</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Operation</translation>
    </message>
</context>
<context>
    <name>volemo::TfrmHelp</name>
    <message>
        <source>ランダム作成＆演奏ボタン</source>
        <translation>Random make &amp; play button</translation>
    </message>
    <message>
        <source>簡単に使うには、上の絵の赤丸のボタンを押してください。ランダムにフレーズが作られて、音楽が演奏されます。</source>
        <translation>The easy way: press the button in the red circle above. A phrase is made at random and played.</translation>
    </message>
</context>
<context>
    <name>volemo::TfrmMain</name>
    <message>
        <source>Volemo - ランダムフレーズメイカー</source>
        <translation>Volemo - Random Phrase Maker</translation>
    </message>
    <message>
        <source>スケール</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>パターン</source>
        <translation>Pattern</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>MMLファイルを開く(&amp;O)</source>
        <translation>&amp;Open MML file…</translation>
    </message>
    <message>
        <source>Midiファイルとして保存(&amp;S)</source>
        <translation>&amp;Save as MIDI file…</translation>
    </message>
    <message>
        <source>MMLファイルとして保存(&amp;A)</source>
        <translation>Save &amp;as MML file…</translation>
    </message>
    <message>
        <source>オーディオファイルとして書き出す(&amp;E)</source>
        <translation>&amp;Export audio file…</translation>
    </message>
    <message>
        <source>MIDIファイルから学ぶ…</source>
        <translation>Learn from a MIDI file…</translation>
    </message>
    <message>
        <source>スター付きのテイクから学ぶ</source>
        <translation>Learn from the starred takes</translation>
    </message>
    <message>
        <source>フレーズをMMLでクリップボードにコピー</source>
        <translation>Copy the phrase as MML to the clipboard</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>パターン(&amp;P)</source>
        <translation>&amp;Pattern</translation>
    </message>
    <message>
        <source>ランダムにパターンを作る</source>
        <translation>Make a random pattern</translation>
    </message>
    <message>
        <source>パラメータをランダムに変更</source>
        <translation>Randomize the parameters</translation>
    </message>
    <message>
        <source>フレーズ(&amp;H)</source>
        <translation>P&amp;hrase</translation>
    </message>
    <message>
        <source>パターンを元にフレーズを作成</source>
        <translation>Make a phrase from the pattern</translation>
    </message>
    <message>
        <source>フレーズの演奏</source>
        <translation>Play the phrase</translation>
    </message>
    <message>
        <source>ループ再生(&amp;L)</source>
        <translation>&amp;Loop playback</translation>
    </message>
    <message>
        <source>パターンに沿ってフレーズを作成し演奏</source>
        <translation>Make a phrase along the pattern and play it</translation>
    </message>
    <message>
        <source>ランダムにフレーズを作成し演奏</source>
        <translation>Make a random phrase and play it</translation>
    </message>
    <message>
        <source>フレーズの作業台(&amp;W)</source>
        <translation>Phrase &amp;workbench</translation>
    </message>
    <message>
        <source>テイク(&amp;T)</source>
        <translation>&amp;Takes</translation>
    </message>
    <message>
        <source>前のテイク</source>
        <translation>Previous take</translation>
    </message>
    <message>
        <source>次のテイク</source>
        <translation>Next take</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>簡単な使い方</source>
        <translation>Quick start</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Volemo</translation>
    </message>
    <message>
        <source>サポートページへ</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>表示言語 (Language)</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>表示言語を選びます（次の起動から）</source>
        <translation>Choose the language (from the next start)</translation>
    </message>
    <message>
        <source>表示言語はこのままです。</source>
        <translation>The language stays as it is.</translation>
    </message>
    <message>
        <source>表示言語は次の起動から変わります。</source>
        <translation>The language changes the next time Volemo starts.</translation>
    </message>
    <message>
        <source>ここからフレーズをドラッグ (MIDI と MML)</source>
        <translation>Drag the phrase from here (MIDI and MML)</translation>
    </message>
    <message>
        <source>パターン作成演奏</source>
        <translation>Make and play along the pattern</translation>
    </message>
    <message>
        <source>パターン変更して演奏</source>
        <translation>Change the pattern and play</translation>
    </message>
    <message>
        <source>再生の度にパターンを作り直す</source>
        <translation>New pattern at every play</translation>
    </message>
    <message>
        <source>フレーズの作業台 (F6)</source>
        <translation>Phrase workbench (F6)</translation>
    </message>
    <message>
        <source>スケールの選択</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>基本リズムパターン</source>
        <translation>Basic rhythm pattern</translation>
    </message>
    <message>
        <source>リズムパターンをランダムに作成するため</source>
        <translation>For making random rhythm patterns</translation>
    </message>
    <message>
        <source>普通に発音</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>休符</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>タイ</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>ミュート</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>ダブル</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>和音</source>
        <translation>Chord</translation>
    </message>
    <message>
        <source>ベンド</source>
        <translation>Bend</translation>
    </message>
    <message>
        <source>一文字目を必ず発音する</source>
        <translation>Always sound the first symbol</translation>
    </message>
    <message>
        <source>パターン長</source>
        <translation>Pattern length</translation>
    </message>
    <message>
        <source>個</source>
        <translation>steps</translation>
    </message>
    <message>
        <source>ゲートレート</source>
        <translation>Gate rate</translation>
    </message>
    <message>
        <source>通常(N)</source>
        <translation>Normal (N)</translation>
    </message>
    <message>
        <source>ミュート時(m)</source>
        <translation>Muted (m)</translation>
    </message>
    <message>
        <source>他のミュート率</source>
        <translation>Other mutes</translation>
    </message>
    <message>
        <source>基本音符</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>分音符×</source>
        <translation>th note ×</translation>
    </message>
    <message>
        <source>音域</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>ベロシティ</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>チャンネル</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>オプション(MMLで)</source>
        <translation>Options (in MML)</translation>
    </message>
    <message>
        <source>作成されたフレーズ</source>
        <translation>Phrase made</translation>
    </message>
    <message>
        <source>保存しました。</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>クリップボードにコピー！！</source>
        <translation>Copied to the clipboard!</translation>
    </message>
    <message>
        <source>マニュアルを開くアプリがありません。マニュアルの場所: %1</source>
        <translation>No program to open the manual. The manual is at: %1</translation>
    </message>
    <message>
        <source>ファイル "%1" を開けません。 </source>
        <translation>Cannot open the file "%1". </translation>
    </message>
    <message>
        <source>MML が長すぎます（16 MB まで）</source>
        <translation>the MML is too long (16 MB at most)</translation>
    </message>
    <message>
        <source>開きました: %1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <source>演奏を開始しました: %1</source>
        <translation>Playing: %1</translation>
    </message>
    <message>
        <source>書き出しました: %1</source>
        <translation>Written: %1</translation>
    </message>
    <message>
        <source>書き出しを中止しました。</source>
        <translation>Export cancelled.</translation>
    </message>
    <message>
        <source>テイクのデータベースが使えないため、スター付きのテイクから学べません。</source>
        <translation>The takes database is not available, so there are no starred takes to learn from.</translation>
    </message>
    <message>
        <source>学びました: </source>
        <translation>Learned: </translation>
    </message>
    <message>
        <source>%1 %2（一致度 %3）、</source>
        <translation>%1 %2 (match %3), </translation>
    </message>
    <message>
        <source>ノート %1 個</source>
        <translation>%1 notes</translation>
    </message>
    <message>
        <source>、トラック</source>
        <translation>, track</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>パート</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>このフレーズにそのパートはありません。</source>
        <translation>This phrase has no such part.</translation>
    </message>
    <message>
        <source>パートのロックしていない音を選び直しました。</source>
        <translation>Redrew the part&apos;s unlocked notes.</translation>
    </message>
</context>
<context>
    <name>volemo::TfrmWorkbench</name>
    <message>
        <source>フレーズの作業台 - Volemo</source>
        <translation>Phrase Workbench - Volemo</translation>
    </message>
    <message>
        <source>作り直す</source>
        <translation>Re-roll</translation>
    </message>
    <message>
        <source>ロックしていない音を全て選び直します</source>
        <translation>Picks every unlocked note anew</translation>
    </message>
    <message>
        <source>変異</source>
        <translation>Mutate</translation>
    </message>
    <message>
        <source>ロックしていない音から指定の個数だけ選び直します</source>
        <translation>Picks the given number of unlocked notes anew</translation>
    </message>
    <message>
        <source> 個</source>
        <translation> notes</translation>
    </message>
    <message>
        <source>変異で選び直す音の数</source>
        <translation>How many notes Mutate picks anew</translation>
    </message>
    <message>
        <source>全てロック</source>
        <translation>Lock all</translation>
    </message>
    <message>
        <source>全ての音をロックします</source>
        <translation>Locks every note</translation>
    </message>
    <message>
        <source>全て解除</source>
        <translation>Unlock all</translation>
    </message>
    <message>
        <source>全ての音のロックを外します</source>
        <translation>Unlocks every note</translation>
    </message>
    <message>
        <source>変更したら演奏する</source>
        <translation>Play on change</translation>
    </message>
    <message>
        <source>%1 音、ロック %2 音。クリックか Space でロック／解除、Shift+クリックか Enter でその音だけ、ルーラーのクリックか P でそこから演奏。←→↑↓ で音を選びます。</source>
        <translation>%1 notes, %2 locked. Click or Space locks/unlocks, Shift+click or Enter plays the note alone, a click on the ruler or P plays from there. ←→↑↓ select notes.</translation>
    </message>
    <message>
        <source>（%1 回繰り返し）</source>
        <translation> (repeated %1 times)</translation>
    </message>
    <message>
        <source>%1 番目の音をロックしました。</source>
        <translation>Note %1 locked.</translation>
    </message>
    <message>
        <source>%1 番目の音のロックを外しました。</source>
        <translation>Note %1 unlocked.</translation>
    </message>
    <message>
        <source>全ての音をロックしました。</source>
        <translation>All notes locked.</translation>
    </message>
    <message>
        <source>全ての音のロックを外しました。</source>
        <translation>All notes unlocked.</translation>
    </message>
    <message>
        <source>ロックしていない音がありません。</source>
        <translation>There are no unlocked notes.</translation>
    </message>
    <message>
        <source>ロックしていない音を選び直しました。</source>
        <translation>Unlocked notes picked anew.</translation>
    </message>
    <message>
        <source>ロックしていない音から %1 個を選び直しました。</source>
        <translation>%1 unlocked notes picked anew.</translation>
    </message>
    <message>
        <source>まだフレーズがありません。F9 でランダムに作るか、「作り直す」(R) を押してください。</source>
        <translation>No phrase yet. Press F9 to make one at random, or "Re-roll" (R).</translation>
    </message>
    <message>
        <source>リズムを作り直す</source>
        <translation>Re-roll rhythm</translation>
    </message>
    <message>
        <source>ロックした音の拍は残し、ほかの拍のリズムと音を選び直します</source>
        <translation>Picks the rhythm and notes of every step anew, keeping the locked notes&apos; steps</translation>
    </message>
    <message>
        <source>%1 音を変えました: %2</source>
        <translation> %1 notes changed: %2</translation>
    </message>
    <message>
        <source>このフレーズは拍の刻みが分からないため、リズムを作り直せません。</source>
        <translation>This phrase&apos;s step grid is not known, so its rhythm cannot be re-rolled.</translation>
    </message>
    <message>
        <source>ロックした音の拍を残してリズムを選び直しました。</source>
        <translation>Rhythm picked anew around the locked notes.</translation>
    </message>
</context>
<context>
    <name>volemo::VelocityLane</name>
    <message>
        <source>音の強さ（ベロシティ）: 棒を上下にドラッグして変えます</source>
        <translation>Note velocity: drag a bar up or down</translation>
    </message>
</context>
<context>
    <name>volemo::VersionBox</name>
    <message>
        <source>Volemo - ランダムフレーズメイカー
バージョン %1</source>
        <translation>Volemo - Random Phrase Maker
Version %1</translation>
    </message>
</context>
</TS>
