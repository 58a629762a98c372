// Invented rows in the layout of the Lahman tables (players p1, p2, clubs AAA and BBB):
// no row comes from the Lahman Baseball Database, whose tables are never copied into the
// repository. Two franchises over two seasons, listed out of order, and a season the
// other tables do not reach; one player traded within his club's season (two stints for
// one club), one who mainly pitched.
#pragma once

#include <filesystem>
#include <string>
#include <utility>

#include "support/temp_dir.h"

namespace velmoro::testing {

inline void WriteSmallLahmanTables(const std::filesystem::path& dir) {
    static const std::pair<const char*, const char*> kTables[] = {
        {"Appearances.csv", R"(yearID,teamID,lgID,playerID,G_all,G_p,G_c,G_1b,G_2b,G_3b,G_ss,G_lf,G_cf,G_rf,G_of,G_dh,GS,G_ph
1900,AAA,NL,p1,130,0,30,0,0,0,0,50,40,0,90,0,120,
1900,AAA,NL,p2,35,35,0,0,0,0,0,0,0,0,0,0,30,0
)"},
        {"Batting.csv", R"(playerID,yearID,stint,teamID,lgID,G,AB,R,H,X2B,X3B,HR,RBI,SB,CS,BB,SO,HBP,SH,SF,GIDP
p1,1900,1,AAA,NL,100,400,80,130,20,5,10,70,15,,40,,3,4,,7
p1,1900,3,AAA,NL,30,100,20,30,5,1,2,10,5,,10,,1,,,2
p2,1900,1,AAA,NL,35,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0
p2,1901,1,BBB,AL,12,30,2,5,0,0,0,1,0,0,1,10,,,,
p1,1901,1,AAA,NL,20,80,10,20,1,1,1,5,1,1,5,5,1,1,1,1
)"},
        {"People.csv", R"(playerID,birthYear,nameFirst,nameLast,bats,throws
p1,1875,"Joe","Hitter",L,R
p2,1870,Sam,"Arm, Jr.",B,S
)"},
        {"Pitching.csv", R"(playerID,yearID,stint,teamID,lgID,W,L,G,SHO,SV,IPouts,H,ER,BB,SO,BAOpp,ERA,BFP,HBP,SH,SF,GS,GF,CG,HR,R
p2,1900,1,AAA,NL,20,10,35,3,1,900,250,80,60,100,0.245,2.40,1200,,,,30,4,20,12,95
p2,1901,1,BBB,AL,5,5,12,0,0,300,100,40,30,30,,,,,,,10,1,3,5,45
)"},
        {"Teams.csv", R"(yearID,lgID,teamID,franchID,divID,Rank,G,W,L,R,RA,name,Ghome,AB,H,X2B,X3B,HR,BB,SO,SB,CS,HBP,SF,ER,IPouts,HA,HRA,BBA,SOA,E,DP,BPF,PPF
1901,AL,BBB,BOS,,2,140,80,60,600,550,Boston Americans,70,4700,1250,190,50,15,380,300,120,40,20,10,480,3690,1240,20,400,450,250,100,99,101
1900,NL,AAA,ATL,E,1,140,90,50,700,500,Atlanta Birds,70,4800,1300,200,60,20,400,,150,,,,420,3700,1250,15,380,500,300,90,104,102
1901,NL,AAA,ATL,E,3,140,70,70,650,640,Atlanta Birds,70,4750,1280,195,55,18,390,310,130,45,22,12,560,3680,1300,22,410,470,270,95,100,100
1900,AL,BBB,BOS,,4,140,60,80,500,610,Boston Americans,70,4650,1200,185,45,12,370,290,110,35,18,9,540,3690,1290,25,420,440,260,85,97,98
1902,NL,AAA,ATL,E,1,140,90,50,700,500,Atlanta Birds,70,4800,1300,200,60,20,400,300,150,50,20,10,420,3700,1250,15,380,500,300,90,100,100
)"},
    };
    std::filesystem::create_directories(dir);
    for (const auto& [name, text] : kTables)
        WriteBytes(dir / name, text);
}

}  // namespace velmoro::testing
