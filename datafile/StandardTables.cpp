#include "datafile/StandardTables.h"

#include <array>
#include <charconv>
#include <cmath>
#include <map>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "engine/DataFile.h"
#include "engine/Deviations.h"

namespace brimsel {
namespace {

// The tables below are the standard's own, one line per size range; a cell
// that the standard merges over several ranges is repeated on each of them.
// "—" stands where the standard gives no value.

// Shafts a to h: upper deviation es, micrometres.
constexpr std::string_view kShaftsAToH = R"(
above  up to      a      b      c     cd      d      e     ef      f     fg      g      h
    0      3   -270   -140    -60    -34    -20    -14    -10     -6     -4     -2      0
    3      6   -270   -140    -70    -46    -30    -20    -14    -10     -6     -4      0
    6     10   -280   -150    -80    -56    -40    -25    -18    -13     -8     -5      0
   10     14   -290   -150    -95      —    -50    -32      —    -16      —     -6      0
   14     18   -290   -150    -95      —    -50    -32      —    -16      —     -6      0
   18     24   -300   -160   -110      —    -65    -40      —    -20      —     -7      0
   24     30   -300   -160   -110      —    -65    -40      —    -20      —     -7      0
   30     40   -310   -170   -120      —    -80    -50      —    -25      —     -9      0
   40     50   -320   -180   -130      —    -80    -50      —    -25      —     -9      0
   50     65   -340   -190   -140      —   -100    -60      —    -30      —    -10      0
   65     80   -360   -200   -150      —   -100    -60      —    -30      —    -10      0
   80    100   -380   -220   -170      —   -120    -72      —    -36      —    -12      0
  100    120   -410   -240   -180      —   -120    -72      —    -36      —    -12      0
  120    140   -460   -260   -200      —   -145    -85      —    -43      —    -14      0
  140    160   -520   -280   -210      —   -145    -85      —    -43      —    -14      0
  160    180   -580   -310   -230      —   -145    -85      —    -43      —    -14      0
  180    200   -660   -340   -240      —   -170   -100      —    -50      —    -15      0
  200    225   -740   -380   -260      —   -170   -100      —    -50      —    -15      0
  225    250   -820   -420   -280      —   -170   -100      —    -50      —    -15      0
  250    280   -920   -480   -300      —   -190   -110      —    -56      —    -17      0
  280    315  -1050   -540   -330      —   -190   -110      —    -56      —    -17      0
  315    355  -1200   -600   -360      —   -210   -125      —    -62      —    -18      0
  355    400  -1350   -680   -400      —   -210   -125      —    -62      —    -18      0
  400    450  -1500   -760   -440      —   -230   -135      —    -68      —    -20      0
  450    500  -1650   -840   -480      —   -230   -135      —    -68      —    -20      0
  500    560      —      —      —      —   -260   -145      —    -76      —    -22      0
  560    630      —      —      —      —   -260   -145      —    -76      —    -22      0
  630    710      —      —      —      —   -290   -160      —    -80      —    -24      0
  710    800      —      —      —      —   -290   -160      —    -80      —    -24      0
  800    900      —      —      —      —   -320   -170      —    -86      —    -26      0
  900   1000      —      —      —      —   -320   -170      —    -86      —    -26      0
 1000   1120      —      —      —      —   -350   -195      —    -98      —    -28      0
 1120   1250      —      —      —      —   -350   -195      —    -98      —    -28      0
 1250   1400      —      —      —      —   -390   -220      —   -110      —    -30      0
 1400   1600      —      —      —      —   -390   -220      —   -110      —    -30      0
 1600   1800      —      —      —      —   -430   -240      —   -120      —    -32      0
 1800   2000      —      —      —      —   -430   -240      —   -120      —    -32      0
 2000   2240      —      —      —      —   -480   -260      —   -130      —    -34      0
 2240   2500      —      —      —      —   -480   -260      —   -130      —    -34      0
 2500   2800      —      —      —      —   -520   -290      —   -145      —    -38      0
 2800   3150      —      —      —      —   -520   -290      —   -145      —    -38      0
)";

// Shafts j to n: lower deviation ei, micrometres. j5-6 serves IT5 and IT6;
// the column for k up to IT3 and above IT7 serves both of those bands.
constexpr std::string_view kShaftsJToN = R"(
above  up to    j5-6      j7      j8  k≤3,>7    k4-7       m       n
    0      3      -2      -4      -6       0       0      +2      +4
    3      6      -2      -4       —       0      +1      +4      +8
    6     10      -2      -5       —       0      +1      +6     +10
   10     14      -3      -6       —       0      +1      +7     +12
   14     18      -3      -6       —       0      +1      +7     +12
   18     24      -4      -8       —       0      +2      +8     +15
   24     30      -4      -8       —       0      +2      +8     +15
   30     40      -5     -10       —       0      +2      +9     +17
   40     50      -5     -10       —       0      +2      +9     +17
   50     65      -7     -12       —       0      +2     +11     +20
   65     80      -7     -12       —       0      +2     +11     +20
   80    100      -9     -15       —       0      +3     +13     +23
  100    120      -9     -15       —       0      +3     +13     +23
  120    140     -11     -18       —       0      +3     +15     +27
  140    160     -11     -18       —       0      +3     +15     +27
  160    180     -11     -18       —       0      +3     +15     +27
  180    200     -13     -21       —       0      +4     +17     +31
  200    225     -13     -21       —       0      +4     +17     +31
  225    250     -13     -21       —       0      +4     +17     +31
  250    280     -16     -26       —       0      +4     +20     +34
  280    315     -16     -26       —       0      +4     +20     +34
  315    355     -18     -28       —       0      +4     +21     +37
  355    400     -18     -28       —       0      +4     +21     +37
  400    450     -20     -32       —       0      +5     +23     +40
  450    500     -20     -32       —       0      +5     +23     +40
  500    560       —       —       —       0       0     +26     +44
  560    630       —       —       —       0       0     +26     +44
  630    710       —       —       —       0       0     +30     +50
  710    800       —       —       —       0       0     +30     +50
  800    900       —       —       —       0       0     +34     +56
  900   1000       —       —       —       0       0     +34     +56
 1000   1120       —       —       —       0       0     +40     +66
 1120   1250       —       —       —       0       0     +40     +66
 1250   1400       —       —       —       0       0     +48     +78
 1400   1600       —       —       —       0       0     +48     +78
 1600   1800       —       —       —       0       0     +58     +92
 1800   2000       —       —       —       0       0     +58     +92
 2000   2240       —       —       —       0       0     +68    +110
 2240   2500       —       —       —       0       0     +68    +110
 2500   2800       —       —       —       0       0     +76    +135
 2800   3150       —       —       —       0       0     +76    +135
)";

// Shafts p to zc: lower deviation ei, micrometres.
constexpr std::string_view kShaftsPToZC = R"(
above  up to      p      r      s      t      u      v      x      y      z     za     zb     zc
    0      3     +6    +10    +14      —    +18      —    +20      —    +26    +32    +40    +60
    3      6    +12    +15    +19      —    +23      —    +28      —    +35    +42    +50    +80
    6     10    +15    +19    +23      —    +28      —    +34      —    +42    +52    +67    +97
   10     14    +18    +23    +28      —    +33      —    +40      —    +50    +64    +90   +130
   14     18    +18    +23    +28      —    +33    +39    +45      —    +60    +77   +108   +150
   18     24    +22    +28    +35      —    +41    +47    +54    +63    +73    +98   +136   +188
   24     30    +22    +28    +35    +41    +48    +55    +64    +75    +88   +118   +160   +218
   30     40    +26    +34    +43    +48    +60    +68    +80    +94   +112   +148   +200   +274
   40     50    +26    +34    +43    +54    +70    +81    +97   +114   +136   +180   +242   +325
   50     65    +32    +41    +53    +66    +87   +102   +122   +144   +172   +226   +300   +405
   65     80    +32    +43    +59    +75   +102   +120   +146   +174   +210   +274   +360   +480
   80    100    +37    +51    +71    +91   +124   +146   +178   +214   +258   +335   +445   +585
  100    120    +37    +54    +79   +104   +144   +172   +210   +254   +310   +400   +525   +690
  120    140    +43    +63    +92   +122   +170   +202   +248   +300   +365   +470   +620   +800
  140    160    +43    +65   +100   +134   +190   +228   +280   +340   +415   +535   +700   +900
  160    180    +43    +68   +108   +146   +210   +252   +310   +380   +465   +600   +780  +1000
  180    200    +50    +77   +122   +166   +236   +284   +350   +425   +520   +670   +880  +1150
  200    225    +50    +80   +130   +180   +258   +310   +385   +470   +575   +740   +960  +1250
  225    250    +50    +84   +140   +196   +284   +340   +425   +520   +640   +820  +1050  +1350
  250    280    +56    +94   +158   +218   +315   +385   +475   +580   +710   +920  +1200  +1550
  280    315    +56    +98   +170   +240   +350   +425   +525   +650   +790  +1000  +1300  +1700
  315    355    +62   +108   +190   +268   +390   +475   +590   +730   +900  +1150  +1500  +1900
  355    400    +62   +114   +208   +294   +435   +530   +660   +820  +1000  +1300  +1650  +2100
  400    450    +68   +126   +232   +330   +490   +595   +740   +920  +1100  +1450  +1850  +2400
  450    500    +68   +132   +252   +360   +540   +660   +820  +1000  +1250  +1600  +2100  +2600
  500    560    +78   +150   +280   +400   +600      —      —      —      —      —      —      —
  560    630    +78   +155   +310   +450   +660      —      —      —      —      —      —      —
  630    710    +88   +175   +340   +500   +740      —      —      —      —      —      —      —
  710    800    +88   +185   +380   +560   +840      —      —      —      —      —      —      —
  800    900   +100   +210   +430   +620   +940      —      —      —      —      —      —      —
  900   1000   +100   +220   +470   +680  +1050      —      —      —      —      —      —      —
 1000   1120   +120   +250   +520   +780  +1150      —      —      —      —      —      —      —
 1120   1250   +120   +260   +580   +840  +1300      —      —      —      —      —      —      —
 1250   1400   +140   +300   +640   +960  +1450      —      —      —      —      —      —      —
 1400   1600   +140   +330   +720  +1050  +1600      —      —      —      —      —      —      —
 1600   1800   +170   +370   +820  +1200  +1850      —      —      —      —      —      —      —
 1800   2000   +170   +400   +920  +1350  +2000      —      —      —      —      —      —      —
 2000   2240   +195   +440  +1000  +1500  +2300      —      —      —      —      —      —      —
 2240   2500   +195   +460  +1100  +1650  +2500      —      —      —      —      —      —      —
 2500   2800   +240   +550  +1250  +1900  +2900      —      —      —      —      —      —      —
 2800   3150   +240   +580  +1400  +2100  +3200      —      —      —      —      —      —      —
)";

// Holes A to H: lower deviation EI, micrometres.
constexpr std::string_view kHolesAToH = R"(
above  up to      A      B      C     CD      D      E     EF      F     FG      G      H
    0      3   +270   +140    +60    +34    +20    +14    +10     +6     +4     +2      0
    3      6   +270   +140    +70    +46    +30    +20    +14    +10     +6     +4      0
    6     10   +280   +150    +80    +56    +40    +25    +18    +13     +8     +5      0
   10     14   +290   +150    +95      —    +50    +32      —    +16      —     +6      0
   14     18   +290   +150    +95      —    +50    +32      —    +16      —     +6      0
   18     24   +300   +160   +110      —    +65    +40      —    +20      —     +7      0
   24     30   +300   +160   +110      —    +65    +40      —    +20      —     +7      0
   30     40   +310   +170   +120      —    +80    +50      —    +25      —     +9      0
   40     50   +320   +180   +130      —    +80    +50      —    +25      —     +9      0
   50     65   +340   +190   +140      —   +100    +60      —    +30      —    +10      0
   65     80   +360   +200   +150      —   +100    +60      —    +30      —    +10      0
   80    100   +380   +220   +170      —   +120    +72      —    +36      —    +12      0
  100    120   +410   +240   +180      —   +120    +72      —    +36      —    +12      0
  120    140   +460   +260   +200      —   +145    +85      —    +43      —    +14      0
  140    160   +520   +280   +210      —   +145    +85      —    +43      —    +14      0
  160    180   +580   +310   +230      —   +145    +85      —    +43      —    +14      0
  180    200   +660   +340   +240      —   +170   +100      —    +50      —    +15      0
  200    225   +740   +380   +260      —   +170   +100      —    +50      —    +15      0
  225    250   +820   +420   +280      —   +170   +100      —    +50      —    +15      0
  250    280   +920   +480   +300      —   +190   +110      —    +56      —    +17      0
  280    315  +1050   +540   +330      —   +190   +110      —    +56      —    +17      0
  315    355  +1200   +600   +360      —   +210   +125      —    +62      —    +18      0
  355    400  +1350   +680   +400      —   +210   +125      —    +62      —    +18      0
  400    450  +1500   +760   +440      —   +230   +135      —    +68      —    +20      0
  450    500  +1650   +840   +480      —   +230   +135      —    +68      —    +20      0
  500    560      —      —      —      —   +260   +145      —    +76      —    +22      0
  560    630      —      —      —      —   +260   +145      —    +76      —    +22      0
  630    710      —      —      —      —   +290   +160      —    +80      —    +24      0
  710    800      —      —      —      —   +290   +160      —    +80      —    +24      0
  800    900      —      —      —      —   +320   +170      —    +86      —    +26      0
  900   1000      —      —      —      —   +320   +170      —    +86      —    +26      0
 1000   1120      —      —      —      —   +350   +195      —    +98      —    +28      0
 1120   1250      —      —      —      —   +350   +195      —    +98      —    +28      0
 1250   1400      —      —      —      —   +390   +220      —   +110      —    +30      0
 1400   1600      —      —      —      —   +390   +220      —   +110      —    +30      0
 1600   1800      —      —      —      —   +430   +240      —   +120      —    +32      0
 1800   2000      —      —      —      —   +430   +240      —   +120      —    +32      0
 2000   2240      —      —      —      —   +480   +260      —   +130      —    +34      0
 2240   2500      —      —      —      —   +480   +260      —   +130      —    +34      0
 2500   2800      —      —      —      —   +520   +290      —   +145      —    +38      0
 2800   3150      —      —      —      —   +520   +290      —   +145      —    +38      0
)";

// Holes J to N: upper deviation ES, micrometres. "+Δ" is the standard's
// "add Δ of the zone's grade"; up to 3 mm Δ is 0 and the values are plain.
// Above 500 mm the standard gives one value of K, M and N for every grade.
constexpr std::string_view kHolesJToN = R"(
above  up to      J6      J7      J8     K≤8     K>8     M≤8     M>8     N≤8     N>8
    0      3      +2      +4      +6       0       0      -2      -2      -4      -4
    3      6      +5      +6     +10    -1+Δ       —    -4+Δ      -4    -8+Δ       0
    6     10      +5      +8     +12    -1+Δ       —    -6+Δ      -6   -10+Δ       0
   10     14      +6     +10     +15    -1+Δ       —    -7+Δ      -7   -12+Δ       0
   14     18      +6     +10     +15    -1+Δ       —    -7+Δ      -7   -12+Δ       0
   18     24      +8     +12     +20    -2+Δ       —    -8+Δ      -8   -15+Δ       0
   24     30      +8     +12     +20    -2+Δ       —    -8+Δ      -8   -15+Δ       0
   30     40     +10     +14     +24    -2+Δ       —    -9+Δ      -9   -17+Δ       0
   40     50     +10     +14     +24    -2+Δ       —    -9+Δ      -9   -17+Δ       0
   50     65     +13     +18     +28    -2+Δ       —   -11+Δ     -11   -20+Δ       0
   65     80     +13     +18     +28    -2+Δ       —   -11+Δ     -11   -20+Δ       0
   80    100     +16     +22     +34    -3+Δ       —   -13+Δ     -13   -23+Δ       0
  100    120     +16     +22     +34    -3+Δ       —   -13+Δ     -13   -23+Δ       0
  120    140     +18     +26     +41    -3+Δ       —   -15+Δ     -15   -27+Δ       0
  140    160     +18     +26     +41    -3+Δ       —   -15+Δ     -15   -27+Δ       0
  160    180     +18     +26     +41    -3+Δ       —   -15+Δ     -15   -27+Δ       0
  180    200     +22     +30     +47    -4+Δ       —   -17+Δ     -17   -31+Δ       0
  200    225     +22     +30     +47    -4+Δ       —   -17+Δ     -17   -31+Δ       0
  225    250     +22     +30     +47    -4+Δ       —   -17+Δ     -17   -31+Δ       0
  250    280     +25     +36     +55    -4+Δ       —   -20+Δ     -20   -34+Δ       0
  280    315     +25     +36     +55    -4+Δ       —   -20+Δ     -20   -34+Δ       0
  315    355     +29     +39     +60    -4+Δ       —   -21+Δ     -21   -37+Δ       0
  355    400     +29     +39     +60    -4+Δ       —   -21+Δ     -21   -37+Δ       0
  400    450     +33     +43     +66    -5+Δ       —   -23+Δ     -23   -40+Δ       0
  450    500     +33     +43     +66    -5+Δ       —   -23+Δ     -23   -40+Δ       0
  500    560       —       —       —       0       0     -26     -26     -44     -44
  560    630       —       —       —       0       0     -26     -26     -44     -44
  630    710       —       —       —       0       0     -30     -30     -50     -50
  710    800       —       —       —       0       0     -30     -30     -50     -50
  800    900       —       —       —       0       0     -34     -34     -56     -56
  900   1000       —       —       —       0       0     -34     -34     -56     -56
 1000   1120       —       —       —       0       0     -40     -40     -66     -66
 1120   1250       —       —       —       0       0     -40     -40     -66     -66
 1250   1400       —       —       —       0       0     -48     -48     -78     -78
 1400   1600       —       —       —       0       0     -48     -48     -78     -78
 1600   1800       —       —       —       0       0     -58     -58     -92     -92
 1800   2000       —       —       —       0       0     -58     -58     -92     -92
 2000   2240       —       —       —       0       0     -68     -68    -110    -110
 2240   2500       —       —       —       0       0     -68     -68    -110    -110
 2500   2800       —       —       —       0       0     -76     -76    -135    -135
 2800   3150       —       —       —       0       0     -76     -76    -135    -135
)";

// Holes P to ZC above IT7: upper deviation ES, micrometres. Up to IT7 the
// standard takes the same values plus Δ, which BuildStandardTables derives.
constexpr std::string_view kHolesPToZC = R"(
above  up to      P      R      S      T      U      V      X      Y      Z     ZA     ZB     ZC
    0      3     -6    -10    -14      —    -18      —    -20      —    -26    -32    -40    -60
    3      6    -12    -15    -19      —    -23      —    -28      —    -35    -42    -50    -80
    6     10    -15    -19    -23      —    -28      —    -34      —    -42    -52    -67    -97
   10     14    -18    -23    -28      —    -33      —    -40      —    -50    -64    -90   -130
   14     18    -18    -23    -28      —    -33    -39    -45      —    -60    -77   -108   -150
   18     24    -22    -28    -35      —    -41    -47    -54    -63    -73    -98   -136   -188
   24     30    -22    -28    -35    -41    -48    -55    -64    -75    -88   -118   -160   -218
   30     40    -26    -34    -43    -48    -60    -68    -80    -94   -112   -148   -200   -274
   40     50    -26    -34    -43    -54    -70    -81    -97   -114   -136   -180   -242   -325
   50     65    -32    -41    -53    -66    -87   -102   -122   -144   -172   -226   -300   -405
   65     80    -32    -43    -59    -75   -102   -120   -146   -174   -210   -274   -360   -480
   80    100    -37    -51    -71    -91   -124   -146   -178   -214   -258   -335   -445   -585
  100    120    -37    -54    -79   -104   -144   -172   -210   -254   -310   -400   -525   -690
  120    140    -43    -63    -92   -122   -170   -202   -248   -300   -365   -470   -620   -800
  140    160    -43    -65   -100   -134   -190   -228   -280   -340   -415   -535   -700   -900
  160    180    -43    -68   -108   -146   -210   -252   -310   -380   -465   -600   -780  -1000
  180    200    -50    -77   -122   -166   -236   -284   -350   -425   -520   -670   -880  -1150
  200    225    -50    -80   -130   -180   -258   -310   -385   -470   -575   -740   -960  -1250
  225    250    -50    -84   -140   -196   -284   -340   -425   -520   -640   -820  -1050  -1350
  250    280    -56    -94   -158   -218   -315   -385   -475   -580   -710   -920  -1200  -1550
  280    315    -56    -98   -170   -240   -350   -425   -525   -650   -790  -1000  -1300  -1700
  315    355    -62   -108   -190   -268   -390   -475   -590   -730   -900  -1150  -1500  -1900
  355    400    -62   -114   -208   -294   -435   -530   -660   -820  -1000  -1300  -1650  -2100
  400    450    -68   -126   -232   -330   -490   -595   -740   -920  -1100  -1450  -1850  -2400
  450    500    -68   -132   -252   -360   -540   -660   -820  -1000  -1250  -1600  -2100  -2600
  500    560    -78   -150   -280   -400   -600      —      —      —      —      —      —      —
  560    630    -78   -155   -310   -450   -660      —      —      —      —      —      —      —
  630    710    -88   -175   -340   -500   -740      —      —      —      —      —      —      —
  710    800    -88   -185   -380   -560   -840      —      —      —      —      —      —      —
  800    900   -100   -210   -430   -620   -940      —      —      —      —      —      —      —
  900   1000   -100   -220   -470   -680  -1050      —      —      —      —      —      —      —
 1000   1120   -120   -250   -520   -780  -1150      —      —      —      —      —      —      —
 1120   1250   -120   -260   -580   -840  -1300      —      —      —      —      —      —      —
 1250   1400   -140   -300   -640   -960  -1450      —      —      —      —      —      —      —
 1400   1600   -140   -330   -720  -1050  -1600      —      —      —      —      —      —      —
 1600   1800   -170   -370   -820  -1200  -1850      —      —      —      —      —      —      —
 1800   2000   -170   -400   -920  -1350  -2000      —      —      —      —      —      —      —
 2000   2240   -195   -440  -1000  -1500  -2300      —      —      —      —      —      —      —
 2240   2500   -195   -460  -1100  -1650  -2500      —      —      —      —      —      —      —
 2500   2800   -240   -550  -1250  -1900  -2900      —      —      —      —      —      —      —
 2800   3150   -240   -580  -1400  -2100  -3200      —      —      —      —      —      —      —
)";

// IT01 and IT0, micrometres; the standard gives them up to 500 mm only.
constexpr std::string_view kFineGrades = R"(
above  up to  IT01   IT0
    0      3   0.3   0.5
    3      6   0.4   0.6
    6     10   0.4   0.6
   10     18   0.5   0.8
   18     30   0.6     1
   30     50   0.6     1
   50     80   0.8   1.2
   80    120     1   1.5
  120    180   1.2     2
  180    250     2     3
  250    315   2.5     4
  315    400     3     5
  400    500     4     6
)";

// IT1 to IT11, micrometres.
constexpr std::string_view kGradesInMicrometres = R"(
above  up to   IT1   IT2   IT3   IT4   IT5   IT6   IT7   IT8   IT9  IT10  IT11
    0      3   0.8   1.2     2     3     4     6    10    14    25    40    60
    3      6     1   1.5   2.5     4     5     8    12    18    30    48    75
    6     10     1   1.5   2.5     4     6     9    15    22    36    58    90
   10     18   1.2     2     3     5     8    11    18    27    43    70   110
   18     30   1.5   2.5     4     6     9    13    21    33    52    84   130
   30     50   1.5   2.5     4     7    11    16    25    39    62   100   160
   50     80     2     3     5     8    13    19    30    46    74   120   190
   80    120   2.5     4     6    10    15    22    35    54    87   140   220
  120    180   3.5     5     8    12    18    25    40    63   100   160   250
  180    250   4.5     7    10    14    20    29    46    72   115   185   290
  250    315     6     8    12    16    23    32    52    81   130   210   320
  315    400     7     9    13    18    25    36    57    89   140   230   360
  400    500     8    10    15    20    27    40    63    97   155   250   400
  500    630     9    11    16    22    32    44    70   110   175   280   440
  630    800    10    13    18    25    36    50    80   125   200   320   500
  800   1000    11    15    21    28    40    56    90   140   230   360   560
 1000   1250    13    18    24    33    47    66   105   165   260   420   660
 1250   1600    15    21    29    39    55    78   125   195   310   500   780
 1600   2000    18    25    35    46    65    92   150   230   370   600   920
 2000   2500    22    30    41    55    78   110   175   280   440   700  1100
 2500   3150    26    36    50    68    96   135   210   330   540   860  1350
)";

// IT12 to IT18 in millimetres, as the standard prints them.
constexpr std::string_view kGradesInMillimetres = R"(
above  up to   IT12   IT13   IT14   IT15   IT16   IT17   IT18
    0      3    0.1   0.14   0.25    0.4    0.6      1    1.4
    3      6   0.12   0.18    0.3   0.48   0.75    1.2    1.8
    6     10   0.15   0.22   0.36   0.58    0.9    1.5    2.2
   10     18   0.18   0.27   0.43    0.7    1.1    1.8    2.7
   18     30   0.21   0.33   0.52   0.84    1.3    2.1    3.3
   30     50   0.25   0.39   0.62      1    1.6    2.5    3.9
   50     80    0.3   0.46   0.74    1.2    1.9      3    4.6
   80    120   0.35   0.54   0.87    1.4    2.2    3.5    5.4
  120    180    0.4   0.63      1    1.6    2.5      4    6.3
  180    250   0.46   0.72   1.15   1.85    2.9    4.6    7.2
  250    315   0.52   0.81    1.3    2.1    3.2    5.2    8.1
  315    400   0.57   0.89    1.4    2.3    3.6    5.7    8.9
  400    500   0.63   0.97   1.55    2.5      4    6.3    9.7
  500    630    0.7    1.1   1.75    2.8    4.4      7     11
  630    800    0.8   1.25      2    3.2      5      8   12.5
  800   1000    0.9    1.4    2.3    3.6    5.6      9     14
 1000   1250   1.05   1.65    2.6    4.2    6.6   10.5   16.5
 1250   1600   1.25   1.95    3.1      5    7.8   12.5   19.5
 1600   2000    1.5    2.3    3.7      6    9.2     15     23
 2000   2500   1.75    2.8    4.4      7     11   17.5     28
 2500   3150    2.1    3.3    5.4    8.6   13.5     21     33
)";

// clang-format off
constexpr std::array<float, 21> kToleranceLimits = {
    3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500, 630, 800, 1000, 1250, 1600, 2000, 2500, 3150};

constexpr std::array<float, 41> kDeviationLimits = {
    3,   6,   10,  14,  18,  24,  30,   40,   50,   65,   80,   100,  120,  140,
    160, 180, 200, 225, 250, 280, 315,  355,  400,  450,  500,  560,  630,  710,
    800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500, 2800, 3150};
// clang-format on

// Sizes above this carry no Δ; up to kDeltaFrom the standard's Δ is 0.
constexpr float kDeltaUpTo = 500.0f;
constexpr float kDeltaFrom = 3.0f;

constexpr ZoneMember H = ZoneMember::Hole;
constexpr ZoneMember S = ZoneMember::Shaft;

// The rows of DeviationKeys. A heading ending in "≤7" is derived: the values
// of the heading without it (P to ZC above IT7) plus Δ. The leading bands of
// J and j with column 0 make J5 and j4 and finer outside the standard rather
// than borrowing the values of J6 and j5.
// clang-format off
constexpr std::array<DeviationBand, 77> kBands = {{
    {H, "A", 18, 1, "A"},     {H, "B", 18, 2, "B"},     {H, "C", 18, 3, "C"},
    {H, "CD", 18, 4, "CD"},   {H, "D", 18, 5, "D"},     {H, "E", 18, 6, "E"},
    {H, "EF", 18, 7, "EF"},   {H, "F", 18, 8, "F"},     {H, "FG", 18, 9, "FG"},
    {H, "G", 18, 10, "G"},    {H, "H", 18, 11, "H"},    {H, "J", 5, 0, ""},
    {H, "J", 6, 12, "J6"},    {H, "J", 7, 13, "J7"},    {H, "J", 8, 14, "J8"},
    {H, "K", 8, 15, "K≤8"},   {H, "K", 18, 16, "K>8"},  {H, "M", 8, 17, "M≤8"},
    {H, "M", 18, 18, "M>8"},  {H, "N", 8, 19, "N≤8"},   {H, "N", 18, 20, "N>8"},
    {H, "P", 7, 21, "P≤7"},   {H, "P", 18, 22, "P"},    {H, "R", 7, 23, "R≤7"},
    {H, "R", 18, 24, "R"},    {H, "S", 7, 25, "S≤7"},   {H, "S", 18, 26, "S"},
    {H, "T", 7, 27, "T≤7"},   {H, "T", 18, 28, "T"},    {H, "U", 7, 29, "U≤7"},
    {H, "U", 18, 30, "U"},    {H, "V", 7, 31, "V≤7"},   {H, "V", 18, 32, "V"},
    {H, "X", 7, 33, "X≤7"},   {H, "X", 18, 34, "X"},    {H, "Y", 7, 35, "Y≤7"},
    {H, "Y", 18, 36, "Y"},    {H, "Z", 7, 37, "Z≤7"},   {H, "Z", 18, 38, "Z"},
    {H, "ZA", 7, 39, "ZA≤7"}, {H, "ZA", 18, 40, "ZA"},  {H, "ZB", 7, 41, "ZB≤7"},
    {H, "ZB", 18, 42, "ZB"},  {H, "ZC", 7, 43, "ZC≤7"}, {H, "ZC", 18, 44, "ZC"},

    {S, "a", 18, 45, "a"},    {S, "b", 18, 46, "b"},    {S, "c", 18, 47, "c"},
    {S, "cd", 18, 48, "cd"},  {S, "d", 18, 49, "d"},    {S, "e", 18, 50, "e"},
    {S, "ef", 18, 51, "ef"},  {S, "f", 18, 52, "f"},    {S, "fg", 18, 53, "fg"},
    {S, "g", 18, 54, "g"},    {S, "h", 18, 55, "h"},    {S, "j", 4, 0, ""},
    {S, "j", 6, 56, "j5-6"},  {S, "j", 7, 57, "j7"},    {S, "j", 8, 58, "j8"},
    {S, "k", 3, 59, "k≤3,>7"}, {S, "k", 7, 60, "k4-7"}, {S, "k", 18, 61, "k≤3,>7"},
    {S, "m", 18, 62, "m"},    {S, "n", 18, 63, "n"},    {S, "p", 18, 64, "p"},
    {S, "r", 18, 65, "r"},    {S, "s", 18, 66, "s"},    {S, "t", 18, 67, "t"},
    {S, "u", 18, 68, "u"},    {S, "v", 18, 69, "v"},    {S, "x", 18, 70, "x"},
    {S, "y", 18, 71, "y"},    {S, "z", 18, 72, "z"},    {S, "za", 18, 73, "za"},
    {S, "zb", 18, 74, "zb"},  {S, "zc", 18, 75, "zc"},
}};
// clang-format on

constexpr std::int32_t kDeviationColumns = 76;

constexpr std::size_t CountHoleBands() {
    std::size_t n = 0;
    while (n < kBands.size() && kBands[n].Side == ZoneMember::Hole) ++n;
    return n;
}
constexpr std::size_t kHoleBands = CountHoleBands();
static_assert(kHoleBands <= static_cast<std::size_t>(kHoleKeyRows),
              "the engine searches the hole bands in the first 58 rows only");

struct Cell {
    double Value = 0;
    bool Undefined = false;
    bool PlusDelta = false;
};

struct ParsedTable {
    std::vector<std::string> Headings;
    std::vector<double> UpperLimits;
    std::vector<std::vector<Cell>> Rows;  // Rows[row][heading]
};

[[noreturn]] void Malformed(std::string_view table, std::size_t line, std::string_view why) {
    throw std::logic_error(std::string(table) + ", line " + std::to_string(line) + ": " +
                           std::string(why));
}

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
        std::size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
        if (end > at) words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

bool ReadNumber(std::string_view text, double& value) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.front() == '+') return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

Cell ReadCell(std::string_view word, double scale, std::string_view table, std::size_t line) {
    constexpr std::string_view kNone = "—";
    constexpr std::string_view kPlusDelta = "+Δ";
    Cell cell;
    if (word == kNone) {
        cell.Undefined = true;
        return cell;
    }
    if (word.size() > kPlusDelta.size() && word.ends_with(kPlusDelta)) {
        cell.PlusDelta = true;
        word.remove_suffix(kPlusDelta.size());
    }
    if (!ReadNumber(word, cell.Value)) Malformed(table, line, "not a number: " + std::string(word));
    // Micrometre values are whole or tenths; the rounding removes the binary
    // error of the millimetre scale (1.15 mm is not 1150 µm exactly in binary).
    cell.Value = std::round(cell.Value * scale * 10.0) / 10.0;
    if (cell.PlusDelta && cell.Value != std::trunc(cell.Value))
        Malformed(table, line, "a value with Δ must be a whole number");
    return cell;
}

ParsedTable ParseTable(std::string_view name, std::string_view text, double scale,
                       std::span<const float> limits) {
    ParsedTable parsed;
    std::size_t lineNumber = 0;
    double previousLimit = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        const auto words = SplitWords(line);
        if (words.empty()) continue;
        if (parsed.Headings.empty()) {
            if (words.size() < 4 || words[0] != "above" || words[1] != "up" || words[2] != "to")
                Malformed(name, lineNumber, "the first line must be: above up to <headings>");
            for (std::size_t i = 3; i < words.size(); ++i) parsed.Headings.emplace_back(words[i]);
            continue;
        }
        if (words.size() != parsed.Headings.size() + 2)
            Malformed(name, lineNumber, "wrong number of cells");
        double above = 0;
        double upTo = 0;
        if (!ReadNumber(words[0], above) || !ReadNumber(words[1], upTo))
            Malformed(name, lineNumber, "size range is not a number");
        const std::size_t row = parsed.Rows.size();
        if (above != previousLimit || row >= limits.size() || upTo != limits[row])
            Malformed(name, lineNumber, "size range out of sequence");
        previousLimit = upTo;
        parsed.UpperLimits.push_back(upTo);
        auto& cells = parsed.Rows.emplace_back();
        for (std::size_t i = 2; i < words.size(); ++i)
            cells.push_back(ReadCell(words[i], scale, name, lineNumber));
    }
    if (parsed.Headings.empty()) Malformed(name, lineNumber, "no heading line");
    return parsed;
}

struct Column {
    std::vector<Cell> Cells;  // one per row of the table it came from
};

// Every heading of the given tables, which must all have the same rows.
std::map<std::string, Column, std::less<>> Columns(std::initializer_list<ParsedTable> tables) {
    std::map<std::string, Column, std::less<>> columns;
    for (const ParsedTable& table : tables) {
        for (std::size_t h = 0; h < table.Headings.size(); ++h) {
            Column column;
            for (const auto& row : table.Rows) column.Cells.push_back(row[h]);
            if (!columns.emplace(table.Headings[h], std::move(column)).second)
                throw std::logic_error("heading used twice: " + table.Headings[h]);
        }
    }
    return columns;
}

float DeltaMarked(double value) {
    // The mark is ".05" appended to the decimal text of the number.
    return static_cast<float>(value < 0 ? value - 0.05 : value + 0.05);
}

float CellValue(const Cell& cell) {
    if (cell.Undefined) return kUndefinedMark;
    return cell.PlusDelta ? DeltaMarked(cell.Value) : static_cast<float>(cell.Value);
}

Table BuildStandardTolerances() {
    const ParsedTable fine = ParseTable("kFineGrades", kFineGrades, 1.0, kToleranceLimits);
    const ParsedTable micro =
        ParseTable("kGradesInMicrometres", kGradesInMicrometres, 1.0, kToleranceLimits);
    const ParsedTable milli =
        ParseTable("kGradesInMillimetres", kGradesInMillimetres, 1000.0, kToleranceLimits);
    if (micro.Rows.size() != kToleranceLimits.size() ||
        milli.Rows.size() != kToleranceLimits.size())
        throw std::logic_error("IT1 to IT18 must cover every size range");

    Table table = Table::Sized(21, static_cast<std::int32_t>(kToleranceLimits.size()));
    for (std::int32_t row = 0; row < table.Rows; ++row) table(0, row) = kToleranceLimits[row];
    for (const ParsedTable* part : {&fine, &micro, &milli}) {
        for (std::size_t h = 0; h < part->Headings.size(); ++h) {
            const std::string& heading = part->Headings[h];
            std::int32_t column = 0;
            if (heading == "IT01") {
                column = 1;
            } else if (heading.starts_with("IT")) {
                int grade = -1;
                const auto [end, ec] =
                    std::from_chars(heading.data() + 2, heading.data() + heading.size(), grade);
                if (ec != std::errc() || end != heading.data() + heading.size() || grade < 0 ||
                    grade > 18)
                    throw std::logic_error("not a grade heading: " + heading);
                column = grade + 2;
            } else {
                throw std::logic_error("not a grade heading: " + heading);
            }
            for (std::size_t row = 0; row < part->Rows.size(); ++row) {
                const Cell& cell = part->Rows[row][h];
                if (cell.Undefined || cell.PlusDelta)
                    throw std::logic_error("a standard tolerance must be a plain number");
                table(column, static_cast<std::int32_t>(row)) = static_cast<float>(cell.Value);
            }
        }
    }
    return table;
}

Table BuildFundamentalDeviations() {
    const auto columns = Columns({
        ParseTable("kShaftsAToH", kShaftsAToH, 1.0, kDeviationLimits),
        ParseTable("kShaftsJToN", kShaftsJToN, 1.0, kDeviationLimits),
        ParseTable("kShaftsPToZC", kShaftsPToZC, 1.0, kDeviationLimits),
        ParseTable("kHolesAToH", kHolesAToH, 1.0, kDeviationLimits),
        ParseTable("kHolesJToN", kHolesJToN, 1.0, kDeviationLimits),
        ParseTable("kHolesPToZC", kHolesPToZC, 1.0, kDeviationLimits),
    });
    const auto rows = static_cast<std::int32_t>(kDeviationLimits.size());
    Table table = Table::Sized(kDeviationColumns, rows);
    for (std::int32_t row = 0; row < rows; ++row) table(0, row) = kDeviationLimits[row];

    constexpr std::string_view kDerived = "≤7";
    for (const DeviationBand& band : kBands) {
        if (band.Column == 0) continue;
        std::string_view heading = band.Heading;
        const bool derived = band.Side == ZoneMember::Hole && heading.ends_with(kDerived);
        if (derived) heading.remove_suffix(kDerived.size());
        const auto found = columns.find(heading);
        if (found == columns.end())
            throw std::logic_error("no table column " + std::string(heading));
        if (found->second.Cells.size() != kDeviationLimits.size())
            throw std::logic_error("column " + std::string(heading) + " misses size ranges");
        for (std::int32_t row = 0; row < rows; ++row) {
            const Cell& cell = found->second.Cells[row];
            const float limit = kDeviationLimits[row];
            if (derived && !cell.Undefined && limit > kDeltaFrom && limit <= kDeltaUpTo)
                table(band.Column, row) = DeltaMarked(cell.Value);
            else
                table(band.Column, row) = CellValue(cell);
        }
    }
    return table;
}

Table BuildDeviationKeys() {
    const std::size_t shaftBands = kBands.size() - kHoleBands;
    Table table = Table::Sized(3, kHoleKeyRows + static_cast<std::int32_t>(shaftBands));
    for (std::size_t i = 0; i < kBands.size(); ++i) {
        const DeviationBand& band = kBands[i];
        const auto row = static_cast<std::int32_t>(
            i < kHoleBands ? i : static_cast<std::size_t>(kHoleKeyRows) + (i - kHoleBands));
        table(0, row) = EncodeLetterCode(band.Letters);
        table(1, row) = band.HighestGrade;
        table(2, row) = static_cast<float>(band.Column);
    }
    return table;
}

}  // namespace

std::span<const float> ToleranceSizeLimits() { return kToleranceLimits; }
std::span<const float> DeviationSizeLimits() { return kDeviationLimits; }
std::span<const DeviationBand> DeviationBands() { return kBands; }

std::int32_t DeviationColumn(ZoneMember side, std::string_view letters, int grade) {
    for (const DeviationBand& band : kBands) {
        if (band.Side == side && band.Letters == letters && grade <= band.HighestGrade)
            return band.Column;
    }
    return -1;
}

ToleranceData BuildStandardTables() {
    ToleranceData data;
    data.DeviationKeys = BuildDeviationKeys();
    data.StandardTolerances = BuildStandardTolerances();
    data.FundamentalDeviations = BuildFundamentalDeviations();
    data.FormatMark = kFormatMark;
    return data;
}

}  // namespace brimsel
