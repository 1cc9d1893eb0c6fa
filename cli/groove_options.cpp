#include "groove_options.h"
#include "translatable.h"

namespace volemo::cli {

const char kGrooveOptionsHelp[] = QT_TRANSLATE_NOOP("Message", R"(グルーヴ、拍子、形式（どれも省けばそれがないときのフレーズ）:
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
  --form AA'BA'         セクションの並び: 新しい文字は新しいフレーズ、同じ文字は同じ音、
                        ' のついた文字はその文字の音の一部を引き直したもの
  --section-bars B      各セクションの小節数（1～64。既定 2）
  --variation K         ' のついたセクションで引き直す音の数（0～999。既定 0）
)");

}  // namespace volemo::cli
