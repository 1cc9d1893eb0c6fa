#include "arrangement_options.h"

#include <algorithm>
#include <string>

#include "language.h"
#include "part_values.h"
#include "voice_leading.h"
#include "translatable.h"

namespace volemo::cli {

const char kArrangementOptionsHelp[] = QT_TRANSLATE_NOOP("Message", R"(メロディーの線（どれも既定では切: それがないときのフレーズ）:
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
                        F#m7, Bb）。'random' は種からよくある進行を選び、和音を
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
)");

bool TakePartOption(ArgumentReader& args, ControlValues& values) {
  for (const std::string& name : PartValueNames()) {
    const std::string option = "--" + name;
    if (auto v = args.TakeValue(option)) {
      // Checked as it comes; the beats against the meter once all are read.
      PartSettings check;
      try {
        if (name != "beats") SetPartValue(check, name, *v);
      } catch (const std::invalid_argument& e) {
        throw UsageError(option + " " + Said(e.what()));
      }
      values.emplace_back(name, *v);
      return true;
    }
  }
  return false;
}

std::string ChordsTable(const Arrangement& arrangement, const PartVoicing& chordKeys) {
  std::string table;
  if (arrangement.chords.empty()) return table;
  std::vector<int> voicing;
  const int64_t barTicks = arrangement.barTicks;
  const int64_t bars = std::max<int64_t>(1, (arrangement.bodyTicks + barTicks - 1) / barTicks);
  for (int64_t bar = 0; bar < std::max<int64_t>(bars, static_cast<int64_t>(arrangement.chords.size())); ++bar) {
    const music::Chord& chord = arrangement.chords[bar % arrangement.chords.size()];
    voicing = music::NearestInversion(chord.tones, voicing, chordKeys.low, chordKeys.high,
                                      (chordKeys.low + chordKeys.high) / 2);
    int root = -1;
    std::string keys;
    for (int k : voicing) {
      if (k % 12 == chord.root && root < 0) root = k;
      keys += (keys.empty() ? "" : ",") + std::to_string(k);
    }
    table += std::to_string(bar + 1) + '\t' + std::to_string(bar * barTicks) + '\t' + chord.symbol + '\t' +
             std::to_string(root) + '\t' + keys + '\n';
  }
  return table;
}

}  // namespace volemo::cli
