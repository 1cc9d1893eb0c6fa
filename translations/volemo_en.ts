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
        <source>このフレーズには形式（セクション）がありません。</source>
        <translation>This phrase has no form (no sections).</translation>
    </message>
    <message>
        <source>フレーズのセクションが今の形式と合いません（作成後に形式を変えました）。フレーズを作り直してください。</source>
        <translation>The phrase&apos;s sections do not match the form now set (the form was changed after the phrase was composed). Compose the phrase again.</translation>
    </message>
    <message>
        <source>形式にセクション %1 はありません（%2 個です）。</source>
        <translation>The form has no section %1 (it has %2).</translation>
    </message>
    <message>
        <source>形式 %1 に %2 のセクションはありません。</source>
        <translation>The form %1 has no section %2.</translation>
    </message>
    <message>
        <source>セクション %1 はもともと %2 です。</source>
        <translation>Section %1 already is %2.</translation>
    </message>
    <message>
        <source>リズムを書き直したフレーズはセクションの区切りが分からないため、コピーできません。</source>
        <translation>A phrase whose rhythm was written anew no longer marks its sections, so a section cannot be copied.</translation>
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
    <message>
        <source>使い方: volemo-cli batch --count N --out DIR [--seed S] [--jobs J] [--formats LIST] [OPTIONS]
種 S, S+1, ..., S+N-1 で N 個のフレーズを作る。フレーズ i は、同じオプションで
&apos;volemo-cli phrase --seed S+i&apos; としたものと同じバイトになる。ファイルは
DIR/NNNNNN.mid など（NNNNNN = i）で、DIR/manifest.jsonl が各フレーズを一行に
記す: ファイル、種、設定、パターン、音の数、ティックと秒での長さ。
どこで止めたバッチも完全なファイルだけを残し、すべて記されている。同じ
コマンドをもう一度実行すれば残りを作る。

バッチのオプション:
  --count N             フレーズの数（1 以上）
  --out DIR             ファイルのフォルダ（なければ作る）
  --seed S              最初の種。既定: 時計から、または DIR にあるバッチの種
  --jobs J              同時に作るフレーズの数。既定: コアの数。
                          いくつでもファイルは同じ
  --formats LIST        どのファイルを作るか、コンマ区切りで: mid, mml, wav, flac
                          （既定 mid,mml）。音声ファイルは &apos;volemo-cli render&apos; と
                          同じようにレンダリングし、ジョブごとに一フレーズ
</source>
        <translation>Usage: volemo-cli batch --count N --out DIR [--seed S] [--jobs J] [--formats LIST] [OPTIONS]
Makes N phrases with the seeds S, S+1, ..., S+N-1: phrase i is the same bytes
as &apos;volemo-cli phrase --seed S+i&apos; with the same options. Its files are
DIR/NNNNNN.mid and so on (NNNNNN = i), and DIR/manifest.jsonl lists each
phrase on one line: its files, seed, settings, pattern, note count, and
length in ticks and seconds. A batch stopped at any point leaves only
complete files, all listed; the same command run again makes the rest.

Batch options:
  --count N             how many phrases (1 or more)
  --out DIR             the folder of the files (made when missing)
  --seed S              the first seed; default: the clock, or the one of the
                          batch already in DIR
  --jobs J              phrases made at once; default: the number of cores.
                          The files are the same for any number
  --formats LIST        which files, comma-separated: mid, mml, wav, flac
                          (default mid,mml); the sound files are rendered as
                          &apos;volemo-cli render&apos; does, a phrase on each job
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli compile IN.mml OUT.mid
MML（CP932）のファイルをスタンダード MIDI ファイルにコンパイルする。失敗すると
コンパイラのメッセージを標準エラー出力に書き、終了ステータスは 1。
</source>
        <translation>Usage: volemo-cli compile IN.mml OUT.mid
Compiles a file of MML (CP932) into a Standard MIDI File. On failure the
compiler&apos;s message goes to standard error and the exit status is 1.
</translation>
    </message>
    <message>
        <source>グルーヴ、拍子、形式（どれも省けばそれがないときのフレーズ）:
  --euclid K,N[,R]      N ステップ（1～64）に K 個の打点を均等に散らし、R ステップ後ろへ
                        回したパターンにする。打点の記号は重みで引き、ほかのステップは休符
  --step-probability P  鳴るステップをそれぞれ P パーセント（0～100）で鳴らし、残りは休符
  --swing S             グリッドの二ステップずつの前を S パーセント（50～75）の長さにする
  --swing-grid G        スイングのグリッド: 8 か 16（既定 16）
  --humanize-time N     各ステップの始まりを前後に N ティックまでずらす（0～240）
  --humanize-velocity N 各ステップのベロシティを上下に N までずらす（0～127）
  --accent B[,A]        各拍の最初のステップを B、各小節の最初を A だけ強くする
                        （既定 A = B）。1～127
  --meter N/D           2/4, 3/4, 4/4, 5/4, 6/8, 7/8, 12/8, ...: ファイルの拍子。
                        フレーズは小節をちょうど満たす
  --beats 2+2+3         拍子の拍をその単位で（既定: 6/8 と 12/8 は三つずつ、
                        7/8 は 2+2+3、四分音符の拍子は四分音符ずつ）
  --form AA&apos;BA&apos;         セクションの並び: 新しい文字は新しいフレーズ、同じ文字は同じ音、
                        &apos; のついた文字はその文字の音の一部を引き直したもの
  --section-bars B      各セクションの小節数（1～64。既定 2）
  --variation K         &apos; のついたセクションで引き直す音の数（0～999。既定 0）
</source>
        <translation>Groove, meter and form (each left out: the phrase as without it):
  --euclid K,N[,R]      draw the pattern as K onsets spread evenly over N steps (1 to 64),
                        rotated R steps later; each onset&apos;s symbol drawn by the weights,
                        the other steps rests
  --step-probability P  each sounding step sounds with P percent (0 to 100), else rests
  --swing S             of each pair of grid steps the first lasts S percent (50 to 75)
  --swing-grid G        the swing&apos;s grid: 8 or 16 (default 16)
  --humanize-time N     move each step&apos;s start up to N ticks either way (0 to 240)
  --humanize-velocity N move each step&apos;s velocity up to N either way (0 to 127)
  --accent B[,A]        raise the first step of each beat by B and of each bar by A
                        (default A = B), within 1 to 127
  --meter N/D           2/4, 3/4, 4/4, 5/4, 6/8, 7/8, 12/8, ...: the file&apos;s time signature;
                        the phrase fills whole bars
  --beats 2+2+3         the meter&apos;s beats in its units (default: 6/8 and 12/8 in threes,
                        7/8 as 2+2+3, quarter meters in quarters)
  --form AA&apos;BA&apos;         sections in order: a new letter a new phrase, a repeated one the
                        same notes, a primed one the letter&apos;s notes with some redrawn
  --section-bars B      bars of each section (1 to 64; default 2)
  --variation K         notes redrawn in a primed section (0 to 999; default 0)
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli learn FILE.mid [--track N] [--channel C] [--json] [--groove STEPS]
        volemo-cli learn --starred [--json] [--groove STEPS]
MIDI ファイル（形式 0 か 1。--track や --channel で選ばなければドラムのほかの
すべてのトラックとチャンネル）またはスター付きのテイクの音を読み、それに似た
フレーズを作る設定を &apos;phrase&apos; や &apos;pattern&apos; の --set オプションとして書く:
    volemo-cli phrase $(volemo-cli learn song.mid) --seed 5
書くのは: 音にいちばん合うスケールと調、十二のスケールの重み（各ピッチクラスの
音の割合。いちばん多いものを 10）、七つのリズムの重み（いちばん多いステップの
上で N r ^ m d W B と読んだ音）、ゲート、音域、ステップ、最初のテンポ、
ベロシティの中央値。
  --track N           トラック N（1 から）の音だけ
  --channel C         チャンネル C（1～16。10 ではドラムを読む）の音だけ
  --starred           ファイルの代わりにスター付きのテイクから学ぶ
  --json              見つけたすべてを一つの JSON オブジェクトで書く
  --groove STEPS      代わりにグルーヴのテンプレートを書く: 4/4 の一小節の STEPS
                      ステップ（16 か 12）それぞれの打点の数、ステップからの平均の
                      ずれ（ステップのパーセント）と平均のベロシティ、そしてスイング。
                      十六分音符ならフレーズのオプションでも（--swing S --swing-grid 16）
  --scale-file PATH   Scale.dat の代わりに PATH のスケールから調を探す
</source>
        <translation>Usage: volemo-cli learn FILE.mid [--track N] [--channel C] [--json] [--groove STEPS]
       volemo-cli learn --starred [--json] [--groove STEPS]
Reads the notes of a MIDI file (format 0 or 1; every track and channel but the
drums unless --track or --channel chooses) or of the starred takes, and prints the
settings that make phrases like them, as --set options for &apos;phrase&apos; or &apos;pattern&apos;:
    volemo-cli phrase $(volemo-cli learn song.mid) --seed 5
They are: the scale and key that fit the notes best, the twelve scale weights (each
pitch class&apos;s share of the notes, the commonest at 10), the seven rhythm weights
(the notes read as N r ^ m d W B on their commonest step), the gates, the note range,
the step, the first tempo and the median velocity.
  --track N           only the notes of track N (from 1)
  --channel C         only the notes of channel C (1 to 16; 10 reads the drums)
  --starred           learn from the starred takes instead of a file
  --json              print everything found as one JSON object
  --groove STEPS      print the groove template instead: for each of STEPS steps of
                      a 4/4 bar (16 or 12) the onsets, their mean offset from the
                      step (percent of a step) and mean velocity, and the swing; of
                      sixteenths also as phrase&apos;s options (--swing S --swing-grid 16)
  --scale-file PATH   find the key among the scales of PATH instead of Scale.dat
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli scales [--scale-file PATH]
--scale に書ける名前を、スケール定義ファイルの順に一行に一つ。
</source>
        <translation>Usage: volemo-cli scales [--scale-file PATH]
The names that --scale takes, one a line, in the order of the scale file.
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli controls [--scale-file PATH]
--set に書けるすべての名前: その範囲、起動時の値、設定するもの。
</source>
        <translation>Usage: volemo-cli controls [--scale-file PATH]
Every name that --set takes: its range, its value at start-up and what it sets.
</translation>
    </message>
    <message>
        <source>フレーズを作り、その MML を標準出力に書く</source>
        <translation>compose a phrase and write its MML to standard output</translation>
    </message>
    <message>
        <source>リズムパターンを引き、標準出力に書く</source>
        <translation>draw a rhythm pattern and write it to standard output</translation>
    </message>
    <message>
        <source>MML のファイルを MIDI ファイルにコンパイルする</source>
        <translation>compile a file of MML into a MIDI file</translation>
    </message>
    <message>
        <source>MIDI ファイルを WAV, FLAC か Ogg Vorbis のファイルにレンダリングする</source>
        <translation>render a MIDI file to a WAV, FLAC or Ogg Vorbis file</translation>
    </message>
    <message>
        <source>たくさんのフレーズをマニフェストとともにフォルダに作る</source>
        <translation>make many phrases into a folder, with a manifest</translation>
    </message>
    <message>
        <source>記録したフレーズの一覧、表示、書き出し、スター、削除</source>
        <translation>list, show, export, star or delete the kept phrases</translation>
    </message>
    <message>
        <source>プリセットの一覧</source>
        <translation>list the presets</translation>
    </message>
    <message>
        <source>MIDI ファイルかスター付きのテイクから設定を学ぶ</source>
        <translation>learn the settings from a MIDI file or the starred takes</translation>
    </message>
    <message>
        <source>フレーズを演奏できる MIDI ポートの一覧</source>
        <translation>list the MIDI ports a phrase can be played into</translation>
    </message>
    <message>
        <source>--scale に書けるスケールの名前の一覧</source>
        <translation>list the scale names that --scale takes</translation>
    </message>
    <message>
        <source>--set に書けるコントロールの一覧（範囲と既定値つき）</source>
        <translation>list the controls that --set takes, with ranges and defaults</translation>
    </message>
    <message>
        <source>使い方: volemo-cli [--lang ja|en] COMMAND [OPTIONS]
        volemo-cli --help | --version

コマンド:
</source>
        <translation>Usage: volemo-cli [--lang ja|en] COMMAND [OPTIONS]
       volemo-cli --help | --version

Commands:
</translation>
    </message>
    <message>
        <source>
&apos;volemo-cli COMMAND --help&apos; でコマンドのオプションを示す。--lang（または VOLEMO_LANG）で
メッセージとヘルプの言語を選ぶ: ja は日本語（既定）、en は英語。
</source>
        <translation>
&apos;volemo-cli COMMAND --help&apos; lists the command&apos;s options. --lang (or VOLEMO_LANG) picks the language
of the messages and the help: ja, Japanese (the default), or en, English.
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli pattern [OPTIONS]
ランダムなリズムパターンを引き、標準出力に書く。

</source>
        <translation>Usage: volemo-cli pattern [OPTIONS]
Draws a random rhythm pattern and writes it to standard output.

</translation>
    </message>
    <message>
        <source>グルーヴのオプションのうち --euclid K,N[,R] で、パターンをユークリッドリズムとして引く。
</source>
        <translation>Of the groove options, --euclid K,N[,R] draws the pattern as a Euclidean rhythm.
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli phrase [OPTIONS]
フレーズを作り（パターン欄が空ならパターンも引く）、MML の文書を標準出力に書く:
CP932 のバイト、CR LF の改行。

出力:
  --mid FILE            フレーズを MIDI ファイル FILE にもコンパイルする
  --play                フレーズを演奏し、終わるまで待つ
  --midi-out PORT       フレーズを MIDI ポート PORT（完全な名前か、ひとつに決まる名前の
                        一部。&apos;volemo-cli ports&apos; を参照）に演奏し、終わるまで待つ
  --follow-transport    JACK のポートへの --midi-out で: JACK のトランスポートの時間軸の
                        上で、その 1 小節目からそのテンポで、進んでいる間演奏する。止まると
                        音を止め、フレーズを過ぎたら終わる
  --midi-clock          --midi-out で: フレーズのテンポで MIDI クロック（四分音符に 24）、
                        最初の音の前にスタート、終わりにストップを送る
  --wav FILE            フレーズを FILE にレンダリングする: 拡張子（.wav, .flac, .ogg）で
                        WAV, FLAC か Ogg Vorbis
  --keep                フレーズをテイクとして記録する（&apos;volemo-cli takes&apos; を参照）
  --continue FILE.mid   代わりに MIDI ファイルに続く小節を作る: そのスタイルを設定し
                        （--style と同じ）、リズム記号と音程をそれぞれ、ファイルの中で
                        前のものの後に来たものから引いて続ける
  --bars N              --continue で作る 4/4 の小節の数（既定 1）

</source>
        <translation>Usage: volemo-cli phrase [OPTIONS]
Composes a phrase (drawing a pattern when the pattern box is empty) and writes
the MML document to standard output: CP932 bytes, CR LF line breaks.

Output:
  --mid FILE            also compile the phrase into the MIDI file FILE
  --play                play the phrase and wait for its end
  --midi-out PORT       play the phrase into the MIDI port PORT (a full name, or a
                        unique part of one; see &apos;volemo-cli ports&apos;) and wait for its end
  --follow-transport    with --midi-out to a JACK port: play on the JACK transport&apos;s
                        timeline, from its bar 1 at its tempo, while it rolls; the
                        notes end when it stops; done once it has passed the phrase
  --midi-clock          with --midi-out: send MIDI clock at the phrase&apos;s tempo (24 a
                        quarter note), a start before the first note, a stop at the end
  --wav FILE            render the phrase to FILE: WAV, FLAC or Ogg Vorbis by its
                        extension (.wav, .flac, .ogg)
  --keep                keep the phrase as a take (see &apos;volemo-cli takes&apos;)
  --continue FILE.mid   compose the bars that follow the MIDI file instead: its style
                        is set (as --style), then its rhythm symbols and intervals
                        go on, each drawn by what followed the one before in it
  --bars N              how many 4/4 bars --continue composes (default 1)

</translation>
    </message>
    <message>
        <source>使い方: volemo-cli render IN.mid OUT.{wav,flac,ogg}
MIDI ファイルをプレーヤーの SoundFont で 44.1 kHz ステレオの音声ファイルに、
マシンが許すかぎり速くレンダリングする: OUT の拡張子で 16 ビット WAV, FLAC か Ogg Vorbis。
</source>
        <translation>Usage: volemo-cli render IN.mid OUT.{wav,flac,ogg}
Renders a MIDI file to a 44.1 kHz stereo sound file with the player&apos;s SoundFont,
as fast as the machine allows: 16-bit WAV, FLAC or Ogg Vorbis by OUT&apos;s extension.
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli ports
フレーズを演奏できる MIDI ポート（phrase --midi-out PORT）を一行に一つ示す:
JACK のものは名前で、ALSA シーケンサーのものは alsa:CLIENT:PORT で。
</source>
        <translation>Usage: volemo-cli ports
Lists the MIDI ports a phrase can be played into (phrase --midi-out PORT), one per
line: JACK&apos;s by their names, the ALSA sequencer&apos;s as alsa:CLIENT:PORT.
</translation>
    </message>
    <message>
        <source>オプション:
  --seed N              乱数の種（0～4294967295）。既定: 時計から
  --scale-file PATH     Scale.dat（プログラムの隣、なければインストールされたデータの
                        フォルダ）の代わりにこのスケール定義ファイルを読む
  --scale NAME          スケール NAME を選んで適用する。大文字と小文字は、ほかが同じ
                        名前どうしでだけ区別する（&apos;volemo-cli scales&apos; が名前を示す）
  --preset NAME         プリセット NAME のとおりにスケールとコントロールを設定する
                        （--scale の後、--set の前。&apos;volemo-cli presets list&apos; が名前を示す）
  --set CONTROL=VALUE   コントロールを設定する。コマンドラインの順に（繰り返し可。
                        &apos;volemo-cli controls&apos; が範囲と既定値つきで示す）:
                          spn...  入力したとおりのテキスト（範囲に丸めない）
                          scr... src...  スライダーの位置（スライダーの範囲に丸める）
                          cmb...  リストの番号。cmbKey と cmbScale はスケールを適用し直す
                          chk...  0 か 1
  --style FILE.mid      MIDI ファイルから学んだコントロールを、--set オプションと
                        並んだ順に設定する（&apos;volemo-cli learn FILE.mid&apos; が示すもの）
  --pattern TEXT        最初にパターン欄へ TEXT を入れる（入れなければ空）
  --random-weights      --set オプションの後で七つのリズム記号の重みをくじで決める
  --help                このヘルプを表示する
使いやすい別名（--set オプションと並んだ順に適用）:
  --key NOTE            調: C, C#, Db, ...（--set cmbKey=INDEX。スケールを適用し直す）
  --range LOW-HIGH      音域。例 C4-B5（cmbOct1, spnOct1, cmbOct2, spnOct2）
  --tempo T  --steps N  --length L  --velocity V  --channel CH  --voice P
                        spnTempo spnCount spnL spnV spnCH spnVoice
  --pattern-length N    spnPatternCount
  --no-voice            chkVoice=0
</source>
        <translation>Options:
  --seed N              seed the random source (0 to 4294967295); default: the clock
  --scale-file PATH     read this scale file instead of Scale.dat (beside the program,
                        else in the installed data folder)
  --scale NAME          pick the scale NAME and apply it; letter case counts only when
                        two names differ in nothing else (&apos;volemo-cli scales&apos; names them)
  --preset NAME         set the scale and the controls as the preset NAME does (after
                        --scale, before --set; &apos;volemo-cli presets list&apos; names them)
  --set CONTROL=VALUE   set a control, in command-line order (repeatable;
                        &apos;volemo-cli controls&apos; lists them with ranges and defaults):
                          spn...  the text as typed (not clamped)
                          scr... src...  a slider position (clamped to the slider)
                          cmb...  a list index; cmbKey and cmbScale re-apply the scale
                          chk...  0 or 1
  --style FILE.mid      set the controls learned from the MIDI file, in order with the
                        --set options (what &apos;volemo-cli learn FILE.mid&apos; prints)
  --pattern TEXT        put TEXT in the pattern box first (otherwise it is empty)
  --random-weights      draw the seven rhythm symbol weights after the --set options
  --help                show this help
Friendly aliases, applied in order with the --set options:
  --key NOTE            the key: C, C#, Db, ... (--set cmbKey=INDEX, re-applies the scale)
  --range LOW-HIGH      the note range, e.g. C4-B5 (cmbOct1, spnOct1, cmbOct2, spnOct2)
  --tempo T  --steps N  --length L  --velocity V  --channel CH  --voice P
                        spnTempo spnCount spnL spnV spnCH spnVoice
  --pattern-length N    spnPatternCount
  --no-voice            chkVoice=0
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli takes list [--starred] [--limit N] [--json]
        volemo-cli takes show ID
        volemo-cli takes export ID FILE
        volemo-cli takes star|unstar|delete ID
ウィンドウ（と &apos;phrase --keep&apos;）が記録したフレーズ。新しいものから。
  list      一つを一行に: ID、時刻、スター、名前、スケールと調、テンポ、音色、パターン。
            --json では代わりに一行に一つの JSON オブジェクトを書く
  show      テイクの MML を &apos;phrase&apos; と同じように書く（CP932、CR LF）
  export    テイクを FILE に書き出す: 拡張子で .mid, .mml, .wav, .flac か .ogg
データベースは $VOLEMO_DATA_DIR/takes.sqlite3、なければ $XDG_DATA_HOME/volemo/takes.sqlite3
（既定 ~/.local/share/volemo/）。
</source>
        <translation>Usage: volemo-cli takes list [--starred] [--limit N] [--json]
       volemo-cli takes show ID
       volemo-cli takes export ID FILE
       volemo-cli takes star|unstar|delete ID
The phrases the window (and &apos;phrase --keep&apos;) kept, newest first.
  list      one line each: id, time, star, name, scale and key, tempo, voice, pattern;
            --json prints one JSON object per line instead
  show      the take&apos;s MML as &apos;phrase&apos; prints it (CP932, CR LF)
  export    write the take to FILE: .mid, .mml, .wav, .flac or .ogg by its extension
The database is $VOLEMO_DATA_DIR/takes.sqlite3, else $XDG_DATA_HOME/volemo/takes.sqlite3
(default ~/.local/share/volemo/).
</translation>
    </message>
    <message>
        <source>使い方: volemo-cli presets list
&apos;phrase --preset NAME&apos; と &apos;pattern --preset NAME&apos; に書けるプリセット:
Volemo についてくるもの、続いてウィンドウで保存したもの。
</source>
        <translation>Usage: volemo-cli presets list
The presets that &apos;phrase --preset NAME&apos; and &apos;pattern --preset NAME&apos; take:
those that come with Volemo, then those saved in the window.
</translation>
    </message>
    <message>
        <source>は整数で指定してください（"%1" は整数ではありません）</source>
        <translation>must be an integer, not "%1"</translation>
    </message>
    <message>
        <source>は %1～%2 で指定してください（%3 は範囲外です）</source>
        <translation>takes %1 to %2, not %3</translation>
    </message>
    <message>
        <source>はコンマでつないだ %1～%2 個の整数で指定してください（%3 ではなく）</source>
        <translation>takes %1 to %2 integers joined by commas, not %3</translation>
    </message>
    <message>
        <source>はコンマでつないだ %1 個の整数で指定してください（%2 ではなく）</source>
        <translation>takes %1 integers joined by commas, not %2</translation>
    </message>
    <message>
        <source>は LOW-HIGH（0～127 のキーで一オクターブ以上離す）で指定してください（%1 ではなく）</source>
        <translation>takes LOW-HIGH, keys 0 to 127 at least an octave apart, not %1</translation>
    </message>
    <message>
        <source>は free, arch, rising, falling か wave で指定してください（%1 ではなく）</source>
        <translation>takes free, arch, rising, falling or wave, not %1</translation>
    </message>
    <message>
        <source>は melody, bass, chords, drums をコンマで区切って指定してください（%1 ではなく）</source>
        <translation>takes melody, bass, chords, drums separated by commas, not %1</translation>
    </message>
    <message>
        <source>は whole, halves か accents で指定してください（%1 ではなく）</source>
        <translation>takes whole, halves or accents, not %1</translation>
    </message>
    <message>
        <source>は 1～64 ステップで指定してください（%1 ではなく）</source>
        <translation>takes 1 to 64 steps, not %1</translation>
    </message>
    <message>
        <source>は -100000～100000 の回転で指定してください（%1 ではなく）</source>
        <translation>takes a rotation of -100000 to 100000, not %1</translation>
    </message>
    <message>
        <source>は 8 か 16 で指定してください（%1 ではなく）</source>
        <translation>takes 8 or 16, not %1</translation>
    </message>
    <message>
        <source>は 0～127 の量で指定してください（%1 ではなく）</source>
        <translation>takes amounts of 0 to 127, not %1</translation>
    </message>
    <message>
        <source>はメロディーの線、パート、グルーヴの設定ではありません</source>
        <translation>is no setting of the line, the parts or the groove</translation>
    </message>
    <message>
        <source>形式は大文字の並びで、それぞれの後に &apos; をいくつでもつけられます（AA&apos;BA&apos; など）。"%1" は書けません</source>
        <translation>a form is capital letters, each with any number of &apos; after it (such as AA&apos;BA&apos;), not "%1"</translation>
    </message>
    <message>
        <source>形式には少なくとも一つのセクションが要ります</source>
        <translation>a form needs at least one section</translation>
    </message>
    <message>
        <source>%2/%3 の %1 小節のセクションには l%4 のステップが整数個入りません</source>
        <translation>a section of %1 bars of %2/%3 does not hold a whole number of steps of l%4</translation>
    </message>
    <message>
        <source>"%1" は和音ではありません。ローマ数字（I vi IV V, ii7, bVII, vii°）か名前（Am, F#m7, Bb）で書いてください</source>
        <translation>"%1" is not a chord: write Roman numerals (I vi IV V, ii7, bVII, vii°) or names (Am, F#m7, Bb)</translation>
    </message>
    <message>
        <source>進行に和音がありません</source>
        <translation>the progression holds no chord</translation>
    </message>
    <message>
        <source>セクション %1 の進行に和音がありません</source>
        <translation>section %1&apos;s progression holds no chord</translation>
    </message>
    <message>
        <source>セクション %1 の進行が二度あります</source>
        <translation>section %1 is given a progression twice</translation>
    </message>
    <message>
        <source>フォームにないセクション %1 に進行があります（フォームのないフレーズはセクション A だけです）</source>
        <translation>section %1 has a progression but is not in the form (a phrase without a form is section A alone)</translation>
    </message>
    <message>
        <source>セクション %1 に進行がありません</source>
        <translation>section %1 has no progression: give it one, or chords before the labels</translation>
    </message>
    <message>
        <source>拍子は N/D（N は 1～32、D は 2, 4, 8, 16, 32 のいずれか）で書いてください。"%1" は書けません</source>
        <translation>a meter is written N/D with N from 1 to 32 and D one of 2, 4, 8, 16, 32, not "%1"</translation>
    </message>
    <message>
        <source>拍は 2+2+3 のように + でつないだ数で書いてください。"%1" は書けません</source>
        <translation>beats are written as numbers joined by +, such as 2+2+3, not "%1"</translation>
    </message>
    <message>
        <source>拍 %1 では %2/%3 の小節を満たしません</source>
        <translation>the beats %1 do not fill a bar of %2/%3</translation>
    </message>
    <message>
        <source>オプション %1 には値が要ります</source>
        <translation>option %1 needs a value</translation>
    </message>
    <message>
        <source>%1 がありません</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>%1 は不明なオプションです</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 は余分な引数です</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>%1 は整数で指定してください（"%2" は整数ではありません）</source>
        <translation>%1 must be an integer, not "%2"</translation>
    </message>
    <message>
        <source>%1 は入力ファイル %2 です。書き込むとそれを壊してしまいます</source>
        <translation>%1 is the input file %2: writing it would destroy it</translation>
    </message>
    <message>
        <source>--lang には ja か en を指定してください</source>
        <translation>--lang takes ja or en</translation>
    </message>
    <message>
        <source>&apos;volemo-cli %1 --help&apos; を見てください。</source>
        <translation>Try &apos;volemo-cli %1 --help&apos;.</translation>
    </message>
    <message>
        <source>コマンドがありません</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>%1 は不明なコマンドです</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>--formats には mid, mml, wav, flac をコンマで区切って指定してください（%1 ではなく）</source>
        <translation>--formats takes mid, mml, wav, flac separated by commas, not %1</translation>
    </message>
    <message>
        <source>--count には 1 以上を指定してください（%1 ではなく）</source>
        <translation>--count takes 1 or more, not %1</translation>
    </message>
    <message>
        <source>--out にはフォルダを指定してください</source>
        <translation>--out takes a folder</translation>
    </message>
    <message>
        <source>--jobs には 1～1024 を指定してください（%1 ではなく）</source>
        <translation>--jobs takes 1 to 1024, not %1</translation>
    </message>
    <message>
        <source>--count がありません</source>
        <translation>--count is missing</translation>
    </message>
    <message>
        <source>--out がありません</source>
        <translation>--out is missing</translation>
    </message>
    <message>
        <source>フォルダ %1 を開けません: %2</source>
        <translation>cannot open the folder %1: %2</translation>
    </message>
    <message>
        <source>%1 では別のバッチが作業中です。終わるのを待つか、別のフォルダを指定してください</source>
        <translation>another batch is working in %1: wait for it to end, or give another folder</translation>
    </message>
    <message>
        <source>フォルダ %1 をロックできません: %2</source>
        <translation>cannot lock the folder %1: %2</translation>
    </message>
    <message>
        <source>種としては大きすぎます</source>
        <translation>too large for a seed</translation>
    </message>
    <message>
        <source>%1 を読み込めません: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 に種がありません。--seed を指定するか、ファイルを取り除いてください</source>
        <translation>%1 holds no seed: give --seed, or take the file away</translation>
    </message>
    <message>
        <source>%1manifest.jsonl はフレーズ %2 を別の種か別の設定で記しています。そのバッチのオプションか、別のフォルダを指定してください</source>
        <translation>%1manifest.jsonl lists phrase %2 with another seed or other settings: give the options of that batch, or another folder</translation>
    </message>
    <message>
        <source>%1 に書き込めません: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>止めました。%2 に %1 個のフレーズができています。同じコマンドで残りを作ります。</source>
        <translation>stopped; %1 phrases are complete in %2. The same command makes the rest.</translation>
    </message>
    <message>
        <source>%1 からの種は %2 個のフレーズの前に 4294967295 を超えます</source>
        <translation>the seeds from %1 pass 4294967295 before %2 phrases</translation>
    </message>
    <message>
        <source>フォルダ %1 を作れません: %2</source>
        <translation>cannot make the folder %1: %2</translation>
    </message>
    <message>
        <source>%1 はバッチのマニフェストではありません（%2 行目）。別のフォルダを指定するか、ファイルを取り除いてください</source>
        <translation>%1 is not a batch&apos;s manifest (line %2): give another folder, or take the file away</translation>
    </message>
    <message>
        <source>--track には 1～65535 を指定してください（%1 ではなく）</source>
        <translation>--track takes 1 to 65535, not %1</translation>
    </message>
    <message>
        <source>--channel には 1～16 を指定してください（%1 ではなく）</source>
        <translation>--channel takes 1 to 16, not %1</translation>
    </message>
    <message>
        <source>--groove には 16 か 12 を指定してください（%1 ではなく）</source>
        <translation>--groove takes 16 or 12, not %1</translation>
    </message>
    <message>
        <source>--starred にはファイルを指定しません</source>
        <translation>--starred takes no file</translation>
    </message>
    <message>
        <source>--track と --channel はファイルの中で選ぶもので、テイクの中では選べません</source>
        <translation>--track and --channel choose in a file, not among the takes</translation>
    </message>
    <message>
        <source>グルーヴのオプションのうち pattern に使えるのは --euclid だけです</source>
        <translation>of the groove options, pattern takes only --euclid</translation>
    </message>
    <message>
        <source>--bars には --continue FILE.mid が要ります</source>
        <translation>--bars needs --continue FILE.mid</translation>
    </message>
    <message>
        <source>--follow-transport には --midi-out PORT が要ります</source>
        <translation>--follow-transport needs --midi-out PORT</translation>
    </message>
    <message>
        <source>--midi-clock には --midi-out PORT が要ります</source>
        <translation>--midi-clock needs --midi-out PORT</translation>
    </message>
    <message>
        <source>--midi-clock は自分で演奏するときのもので、--follow-transport とは使えません</source>
        <translation>--midi-clock goes with a play of its own: not with --follow-transport</translation>
    </message>
    <message>
        <source>--continue が作るのはメロディーだけです。--parts や --chords とは使えません</source>
        <translation>--continue composes a melody alone: no --parts or --chords with it</translation>
    </message>
    <message>
        <source>音に時刻がありません: l%1 は MML が持てる音の長さ（1～1920）ではありません</source>
        <translation>the notes have no times: l%1 is not a note length the MML can hold (1 to 1920)</translation>
    </message>
    <message>
        <source>--chords-table には和音が要ります: --chords か、--parts でパートを指定してください</source>
        <translation>--chords-table needs chords: give --chords, or parts with --parts</translation>
    </message>
    <message>
        <source>フレーズを記録できませんでした: %1</source>
        <translation>the phrase was not kept: %1</translation>
    </message>
    <message>
        <source>--lock には 1,3,5-8 のように 1 からの音の番号を指定してください（"%1" ではなく）</source>
        <translation>--lock takes note numbers from 1 such as 1,3,5-8, not "%1"</translation>
    </message>
    <message>
        <source>--mutate には 0 からの音の数を指定してください（%1 ではなく）</source>
        <translation>--mutate takes a count of notes from 0, not %1</translation>
    </message>
    <message>
        <source>%1: フレーズの音は %2 個で、%3 番の音はありません</source>
        <translation>%1: the phrase has %2 notes, no note %3</translation>
    </message>
    <message>
        <source>%1: 引き直せるステップがあるのは作ったメロディーだけです（パート、続けたフレーズ、ティックが整数にならない音の長さでは引き直せません）</source>
        <translation>%1: only a composed melody has steps to draw again (not a part, a continued phrase or a note length of no whole ticks)</translation>
    </message>
    <message>
        <source>--on %1: そのパートはありません（フレーズにあるのは %2、または all）</source>
        <translation>--on %1: no such part (the phrase has %2; or all)</translation>
    </message>
    <message>
        <source>%2 に %1 という名前のスケールはありません（&apos;volemo-cli scales&apos; を参照）</source>
        <translation>no scale named %1 in %2 (see &apos;volemo-cli scales&apos;)</translation>
    </message>
    <message>
        <source>スケールの名前 %1 は大文字と小文字のほかは %2 と同じです。どれかをそのとおりに指定してください</source>
        <translation>the scale name %1 matches %2 but for letter case: give one exactly</translation>
    </message>
    <message>
        <source>"%1" という名前のプリセットはありません（&apos;volemo-cli presets list&apos; を参照）</source>
        <translation>no preset named "%1" (see &apos;volemo-cli presets list&apos;)</translation>
    </message>
    <message>
        <source>プリセット "%1" はスケール "%2" を使いますが、スケール定義ファイルにありません</source>
        <translation>preset "%1" uses the scale "%2", which the scale file does not hold</translation>
    </message>
    <message>
        <source>標準出力に書き込めません</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>%1 は不明なコントロールです</source>
        <translation>unknown control %1</translation>
    </message>
    <message>
        <source>%1 には 0 か 1 を指定してください（%2 ではなく）</source>
        <translation>%1 takes 0 or 1, not %2</translation>
    </message>
    <message>
        <source>--key には C, F#, Bb のような音名を指定してください（%1 ではなく）</source>
        <translation>--key takes a note name such as C, F# or Bb, not %1</translation>
    </message>
    <message>
        <source>--range には C4-B5 のような二つの音を指定してください（オクターブは 1～10。%1 ではなく）</source>
        <translation>--range takes two notes such as C4-B5 (octaves 1 to 10), not %1</translation>
    </message>
    <message>
        <source>--seed には 0～4294967295 を指定してください（%1 ではなく）</source>
        <translation>--seed takes 0 to 4294967295, not %1</translation>
    </message>
    <message>
        <source>--set には CONTROL=VALUE を指定してください（%1 ではなく）</source>
        <translation>--set takes CONTROL=VALUE, not %1</translation>
    </message>
    <message>
        <source>%2 にテイク %1 はありません</source>
        <translation>no take %1 in %2</translation>
    </message>
    <message>
        <source>--limit には 0 以上を指定してください（%1 ではなく）</source>
        <translation>--limit takes 0 or more, not %1</translation>
    </message>
    <message>
        <source>FILE の名前は .mid, .mml, .wav, .flac か .ogg で終えてください: %1</source>
        <translation>FILE must end in .mid, .mml, .wav, .flac or .ogg: %1</translation>
    </message>
    <message>
        <source>%1 は不明な操作です</source>
        <translation>unknown action %1</translation>
    </message>
    <message>
        <source>操作は list だけです</source>
        <translation>the only action is list</translation>
    </message>
    <message>
        <source>作ったフレーズへの操作（コマンドラインの順に）:
  --lock LIST           番号で音をロックする（1,3,5-8）。音は MML に並ぶ順に 1 から
                        数え、和音や重音はそれぞれの音を数える
  --reroll              ロックしていない音の高さをすべて引き直す（繰り返し可）
  --reroll-rhythm       ロックした音が鳴らないステップのリズムを引き直し、その音の
                        高さも引き直す。ロックした音はステップを保つ（繰り返し可）
  --mutate K            ロックしていない音を K 個くじで選んで引き直す（繰り返し可）
  --reroll-section S    --form と: セクション S（1 からの番号か、B や A&apos; のような名前）の
                        ロックしていない音を引き直す。同じ名前のセクションはどれも同じ
                        音になり、文字のダッシュ付きのセクションはその変奏のまま。
                        ダッシュ付きのセクションは新しい変奏になる
  --lock-section S      セクション S で始まる音をロックする（名前ならその名前の
                        セクションすべて）
  --copy-section S:L    文字 L のセクションをセクション S の音にする（テキスト、
                        リズム、高さ。L のダッシュ付きはその新しい変奏になる）。
                        形式は指定のまま
  --on PART             後の操作は PART（melody, bass, chords, drums）か all（全パート）
                        にはたらく。どれより前でもメロディーにはたらく
  --notes               MML の代わりに最後のフレーズの音を一行に一つ、タブ区切りで
                        書く: 番号、開始ティック、鳴るティック数、MIDI キー、
                        音名（C4 = 48）、ロック 0/1、パートがあればパート
  --chords-table        MML の代わりに和音を一小節一行で書く: 小節、開始ティック、
                        記号、根音のキー、キー
</source>
        <translation>Working on the composed phrase, in command-line order:
  --lock LIST           lock notes by number (1,3,5-8); notes count from 1 in the order
                        they stand in the MML, both notes of a chord or double counting
  --reroll              redraw every unlocked note&apos;s key (repeatable)
  --reroll-rhythm       redraw the rhythm of every step no locked note sounds in, then
                        the keys of its notes; locked notes keep their steps (repeatable)
  --mutate K            redraw K unlocked notes chosen at random (repeatable)
  --reroll-section S    with --form: redraw the unlocked notes of section S (its number
                        from 1, or its name such as B or A&apos;); every section of its name
                        gets the same notes, a letter&apos;s primed sections stay its
                        variation, a primed section gets a new variation
  --lock-section S      lock the notes starting in section S (a name: every section
                        of that name)
  --copy-section S:L    give the sections of letter L the notes of section S (text,
                        rhythm and keys; L&apos;s primed sections become new variations of
                        them); the form stays as given
  --on PART             the operations after it work on PART (melody, bass, chords,
                        drums) or on all parts; before any, on the melody
  --notes               write the final phrase&apos;s notes instead of the MML, one a line,
                        tab-separated: number, start tick, sounding ticks, MIDI key,
                        name (C4 = 48), locked 0/1, and with parts the part
  --chords-table        write the chords instead of the MML, a bar a line: bar, start
                        tick, symbol, root key, keys
</translation>
    </message>
    <message>
        <source>--copy-section には 1:B や A:B のようにセクションと文字を指定してください（"%1" ではなく）</source>
        <translation>--copy-section takes a section and a letter such as 1:B or A:B, not "%1"</translation>
    </message>
    <message>
        <source>%1: --form がなければフレーズにセクションはありません</source>
        <translation>%1: the phrase has no sections without --form</translation>
    </message>
    <message>
        <source>%1: 形式 %2 にセクション %3 はありません（1～%4 か、形式にある名前で指定してください）</source>
        <translation>%1: the form %2 has no section %3 (give 1 to %4, or a name in the form)</translation>
    </message>
    <message>
        <source>%1: セクションの音はメロディーのもので、%2 パートのものではありません</source>
        <translation>%1: a section&apos;s notes are the melody&apos;s, not the %2 part&apos;s</translation>
    </message>
    <message>
        <source>%1 のセクションにロックした音があります。先にロックを外してください。</source>
        <translation>The %1 sections hold locked notes. Unlock them first.</translation>
    </message>
    <message>
        <source>%1 は 0～%2 の番号で指定してください（%3 は範囲外です）</source>
        <translation>%1 takes an index from 0 to %2, not %3</translation>
    </message>
    <message>
        <source>l%1 の歩みの続きは 1～%2 小節で指定してください（%3 ではなく）</source>
        <translation>a continuation in steps of l%1 holds 1 to %2 bars, not %3</translation>
    </message>
    <message>
        <source>メロディーの線（どれも既定では切: それがないときのフレーズ）:
  --smoothness S        0～100: 前の音から遠いキーほど重みを減らす（100 では
                        半音ごとに重みが半分になる）
  --max-leap N          N 半音より大きく跳ばない（1～127）
  --turn-back P         五度より大きな跳躍の後、P パーセントで逆向きに一歩戻る
  --cadence P           最後の音を P パーセントで主音（または和音の音）に置く
  --contour C           free, arch, rising, falling か wave
和音の上のパート:
  --parts LIST          melody,bass,chords,drums: メロディー（いつもある）のほかの
                        パート。それぞれ MML の中で別のパートになる
  --chords TEXT         一小節に一つの和音: 調の中のローマ数字（"I vi IV V",
                        "ii7 V7 I", bVII, vii°, sus4, maj7）か名前（"Am F C G",
                        F#m7, Bb）。&apos;random&apos; は種からよくある進行を選び、和音を
                        スケールから作る。本体は少なくとも和音の数の小節になる。
                        これがなければパートは I の上で弾く。--form では
                        "A: I vi IV V | B: ii V I" で文字ごとの進行（各セクショ
                        ンはその最初の和音から。ラベルの前の進行はほかの文字に、
                        "B: random" はその文字の進行を種から選ぶ）
  --chord-pull P        各拍の最初のステップで、和音の外のメロディーの音の重みを
                        P パーセント減らす（100: 和音の音だけ）
  --comping C           和音パートのリズム: whole, halves（既定）か accents
                        （メロディーが音を始める拍ごと）
  --bass-channel N, --chords-channel N, --drums-channel N
                        パートのチャンネル（既定 2, 3, 10）
  --bass-voice N, --chords-voice N, --drums-voice N
                        パートの音色。1～128、0 で指定なし（既定 34, 5, なし）
  --bass-range LOW-HIGH, --chords-range LOW-HIGH
                        パートのキー。一オクターブ以上（既定 28-52, 52-76）
  --bass-density P, --drums-density P
                        パートの音を普段の P パーセントの確率にする（0～400。
                        既定 100）。小節の最初の音は残る
  --bass-euclid K,N[,R], --chords-euclid K,N[,R], --drums-euclid K,N[,R]
                        パートのリズムを N ステップに K 個を均等に置いたユーク
                        リッドリズム（R ステップ回転）にする。ベースと和音は
                        八分、ドラムは十六分。ベースの小節の最初の音は和音の根音
  --bass-step-probability P, --chords-step-probability P,
  --drums-step-probability P
                        パートの各音を P パーセントの確率で鳴らす（既定 100）。
                        小節線上のベースとドラムの音は残る
  --drums-weights INST:C1,...,C16[;INST:...]
                        ドラムの楽器 INST（kick, snare, hat, open-hat）が 4/4 の
                        小節の十六分ごとに鳴る確率 C（0～100）。書かない楽器は
                        既定のまま。小節の最初のキックは残り、open-hat は同じ
                        十六分の hat を消す。ほかの拍子のステップは、小節の中で
                        同じ役（小節の頭、拍の頭、裏、最後の十六分）の十六分の
                        確率をとる
</source>
        <translation>The melody&apos;s line (every one off by default: the phrase as without them):
  --smoothness S        0 to 100: keys far from the note before lose weight (at
                        100 the weight halves with every semitone)
  --max-leap N          no move larger than N semitones (1 to 127)
  --turn-back P         after a leap larger than a fifth, step back with P percent
  --cadence P           the last note lands on the tonic (or a tone of the chord)
                        with P percent
  --contour C           free, arch, rising, falling or wave
Parts over chords:
  --parts LIST          melody,bass,chords,drums: the parts besides the melody
                        (which is always there), each a part of its own in the MML
  --chords TEXT         one chord a bar: Roman numerals in the key ("I vi IV V",
                        "ii7 V7 I", bVII, vii°, sus4, maj7) or names ("Am F C G",
                        F#m7, Bb); &apos;random&apos; draws a common progression by the seed,
                        its chords built from the scale. The body holds a bar for
                        each chord at least. Parts without it play over I. With
                        --form, "A: I vi IV V | B: ii V I" gives each letter its
                        own (each section from its first chord; the text before
                        the labels plays under the other letters; "B: random"
                        draws the letter&apos;s own)
  --chord-pull P        on the first step of each beat, the melody&apos;s tones outside
                        the chord lose P percent of their weight (100: chord tones only)
  --comping C           the chord part&apos;s rhythm: whole, halves (default) or accents
                        (each beat where the melody starts a note)
  --bass-channel N, --chords-channel N, --drums-channel N
                        a part&apos;s channel (defaults 2, 3, 10)
  --bass-voice N, --chords-voice N, --drums-voice N
                        a part&apos;s voice, 1 to 128, 0 for none (defaults 34, 5, none)
  --bass-range LOW-HIGH, --chords-range LOW-HIGH
                        a part&apos;s keys, at least an octave (defaults 28-52, 52-76)
  --bass-density P, --drums-density P
                        a part&apos;s notes at P percent of their usual chances (0 to 400;
                        default 100); a bar&apos;s first note stays
  --bass-euclid K,N[,R], --chords-euclid K,N[,R], --drums-euclid K,N[,R]
                        the part&apos;s rhythm: K onsets spread evenly over N steps
                        (rotated by R); eighths for the bass and the chords,
                        sixteenths for the drums; the bass&apos;s first note in a
                        bar is its chord&apos;s root
  --bass-step-probability P, --chords-step-probability P,
  --drums-step-probability P
                        each of the part&apos;s notes sounds with P percent
                        probability (default 100); the bass&apos;s and the
                        drums&apos; notes on a bar line stay
  --drums-weights INST:C1,...,C16[;INST:...]
                        the chance C (0 to 100) of the drum instrument INST
                        (kick, snare, hat, open-hat) on each sixteenth of a 4/4
                        bar; instruments not named keep their defaults. A bar&apos;s
                        first kick stays, and open-hat silences hat on its
                        sixteenth. Another meter&apos;s steps take the chance of the
                        sixteenth in the same place (the bar&apos;s start, a beat&apos;s
                        start, an offbeat, the last sixteenth)
</translation>
    </message>
    <message>
        <source>は 楽器:確率,確率,…（楽器は kick, snare, hat, open-hat）をセミコロンで区切って指定してください（%1 ではなく）</source>
        <translation>takes INSTRUMENT:chance,chance,... (kick, snare, hat or open-hat) separated by semicolons, not %1</translation>
    </message>
    <message>
        <source>の %1 は十六分ごとの 16 個の確率をコンマでつないで指定してください（%2 ではなく）</source>
        <translation>takes 16 chances for %1, one a sixteenth, joined by commas, not %2</translation>
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
    <name>volemo::DrumWeightsDialog</name>
    <message>
        <source>ドラムの重み</source>
        <translation>Drum weights</translation>
    </message>
    <message>
        <source>楽器ごとに、4/4 の小節の十六分ごとに鳴る確率（%）。小節の最初のキックはいつも鳴り、オープン・ハイハットは同じ十六分のクローズド・ハイハットを消します。ほかの拍子では、各ステップが小節の中で同じ役の十六分の確率をとります。</source>
        <translation>Each instrument&apos;s chance (%) on each sixteenth of a 4/4 bar. A bar&apos;s first kick always sounds, and an open hi-hat silences the closed hi-hat on its sixteenth. In other meters each step takes the chance of the sixteenth in the same place of the bar.</translation>
    </message>
    <message>
        <source>%1 拍目</source>
        <translation>Beat %1</translation>
    </message>
    <message>
        <source>キック</source>
        <translation>Kick</translation>
    </message>
    <message>
        <source>スネア</source>
        <translation>Snare</translation>
    </message>
    <message>
        <source>クローズド・ハイハット</source>
        <translation>Closed hi-hat</translation>
    </message>
    <message>
        <source>オープン・ハイハット</source>
        <translation>Open hi-hat</translation>
    </message>
    <message>
        <source>既定に戻す</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>キャンセル</source>
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
    <name>volemo::EuclidSpins</name>
    <message>
        <source>ユークリッドの数 %1 がステップ数 %2 より多くなっています</source>
        <translation>The Euclidean rhythm has more onsets (%1) than steps (%2)</translation>
    </message>
    <message>
        <source>打点の数：ステップの上に均等に置く音の数</source>
        <translation>Onsets: the notes spread evenly over the steps</translation>
    </message>
    <message>
        <source>ステップ数：リズムが一周するステップの数</source>
        <translation>Steps: how many steps the rhythm takes to come round</translation>
    </message>
    <message>
        <source>回転：リズムを後ろにずらすステップの数</source>
        <translation>Rotation: how many steps the rhythm is moved later</translation>
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
    <message>
        <source>拍子の標準: %1</source>
        <translation>The meter&apos;s default: %1</translation>
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
    <message>
        <source>ユークリッド（数/ステップ/回転）</source>
        <translation>Euclid (onsets/steps/rotation)</translation>
    </message>
    <message>
        <source>ステップの確率</source>
        <translation>Step probability</translation>
    </message>
    <message>
        <source>変異</source>
        <translation>Mutate</translation>
    </message>
    <message>
        <source>このパートのロックしていない音から、変異の個数だけ選び直します</source>
        <translation>Redraws as many of this part&apos;s unlocked notes as Mutate&apos;s count says</translation>
    </message>
    <message>
        <source>重み…</source>
        <translation>Weights…</translation>
    </message>
    <message>
        <source>楽器ごと、十六分ごとに鳴る確率を決めます</source>
        <translation>Sets each instrument&apos;s chance on each sixteenth</translation>
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
    <message>
        <source>リズムの作り直し</source>
        <translation>Re-roll rhythm</translation>
    </message>
    <message>
        <source>セクションの作り直し</source>
        <translation>Re-roll section</translation>
    </message>
    <message>
        <source>セクションのコピー</source>
        <translation>Copy section</translation>
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
        <source>%1にロックしていない音がありません。</source>
        <translation>The %1 part has no unlocked notes.</translation>
    </message>
    <message>
        <source>%1のロックしていない音から %2 個を選び直しました。</source>
        <translation>%2 unlocked notes of the %1 part picked anew.</translation>
    </message>
    <message>
        <source>%1のロックしていない音を選び直しました。</source>
        <translation>Redrew the %1 part&apos;s unlocked notes.</translation>
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
    <message>
        <source>ここから演奏</source>
        <translation>Play from here</translation>
    </message>
    <message>
        <source>セクション %1 を作り直す</source>
        <translation>Re-roll section %1</translation>
    </message>
    <message>
        <source>セクション %1 をロック</source>
        <translation>Lock section %1</translation>
    </message>
    <message>
        <source>セクション %1 のロックを外す</source>
        <translation>Unlock section %1</translation>
    </message>
    <message>
        <source>セクション %1 をコピーして置き換える文字</source>
        <translation>Copy section %1 over the letter</translation>
    </message>
    <message>
        <source>%1 を %2 と同じにする</source>
        <translation>Make %1 the same as %2</translation>
    </message>
    <message>
        <source>作り直すセクションの音を選んでください。</source>
        <translation>Select a note of the section to re-roll.</translation>
    </message>
    <message>
        <source>セクション %1 のロックしていない音を選び直しました。</source>
        <translation>Redrew the unlocked notes of section %1.</translation>
    </message>
    <message>
        <source>セクション %1 の音をロックしました。</source>
        <translation>Locked the notes of section %1.</translation>
    </message>
    <message>
        <source>セクション %1 の音のロックを外しました。</source>
        <translation>Unlocked the notes of section %1.</translation>
    </message>
    <message>
        <source>%1 のセクションをセクション %2 と同じ音にしました。</source>
        <translation>The %1 sections now play the notes of section %2.</translation>
    </message>
    <message>
        <source>全てのパートのロックしていない音から指定の個数だけ選び直します</source>
        <translation>Picks the given number of unlocked notes anew, from all parts</translation>
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
