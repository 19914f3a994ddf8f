#pragma once
// The material tables the library must reproduce, typed from the standards and
// the makers' approvals named above each table. Rows are written as in a text
// table: a header line, a rule, then one line per row with cells between "|".
// A cell may hold several values separated by "/" or ",".

// EN 338:2016, Table 1: softwood strength classes C14 to C50 (moduli and strengths in N/mm2,
// densities in kg/m3).
const char* const kSoftwoodEc = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "C14" | 7000 | 230 | 440 | 290 | 14 | 7.2 | 0.4 | 16 | 2.0 | 3.0 |
| 1 | "C16 (S7)" | 8000 | 270 | 500 | 310 | 16 | 8.5 | 0.4 | 17 | 2.2 | 3.2 |
| 2 | "C18" | 9000 | 300 | 560 | 320 | 18 | 10 | 0.4 | 18 | 2.2 | 3.4 |
| 3 | "C20" | 9500 | 320 | 590 | 330 | 20 | 11.5 | 0.4 | 19 | 2.3 | 3.6 |
| 4 | "C22" | 10000 | 330 | 630 | 340 | 22 | 13 | 0.4 | 20 | 2.4 | 3.8 |
| 5 | "C24 (S10)" | 11000 | 370 | 690 | 350 | 24 | 14.5 | 0.4 | 21 | 2.5 | 4.0 |
| 6 | "C27" | 11500 | 380 | 720 | 360 | 27 | 16.5 | 0.4 | 22 | 2.5 | 4.0 |
| 7 | "C30 (S13)" | 12000 | 400 | 750 | 380 | 30 | 19 | 0.4 | 24 | 2.7 | 4.0 |
| 8 | "C35" | 13000 | 430 | 810 | 390 | 35 | 22.5 | 0.4 | 25 | 2.7 | 4.0 |
| 9 | "C40" | 14000 | 470 | 880 | 400 | 40 | 26 | 0.4 | 27 | 2.8 | 4.0 |
| 10 | "C45" | 15000 | 500 | 940 | 410 | 45 | 30 | 0.4 | 29 | 2.9 | 4.0 |
| 11 | "C50" | 16000 | 530 | 1000 | 430 | 50 | 33.5 | 0.4 | 30 | 3.0 | 4.0 |)tbl";

// DIN 1052:2008-12, Annex F: softwood strength classes C14 to C50 (same units).
const char* const kSoftwoodDin = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "C14" | 7000 | 230 | 440 | 290 | 14 | 8 | 0.4 | 16 | 2.0 | 2.0 |
| 1 | "C16 (S7)" | 8000 | 270 | 500 | 310 | 16 | 10 | 0.4 | 17 | 2.2 | 2.0 |
| 2 | "C18" | 9000 | 300 | 560 | 320 | 18 | 11 | 0.4 | 18 | 2.2 | 2.0 |
| 3 | "C20" | 9500 | 320 | 590 | 330 | 20 | 12 | 0.4 | 19 | 2.3 | 2.0 |
| 4 | "C22" | 10000 | 330 | 630 | 340 | 22 | 13 | 0.4 | 20 | 2.4 | 2.0 |
| 5 | "C24 (S10)" | 11000 | 370 | 690 | 350 | 24 | 14 | 0.4 | 21 | 2.5 | 2.0 |
| 6 | "C27" | 11500 | 380 | 720 | 370 | 27 | 16 | 0.4 | 22 | 2.6 | 2.0 |
| 7 | "C30 (S13)" | 12000 | 400 | 750 | 380 | 30 | 18 | 0.4 | 23 | 2.7 | 2.0 |
| 8 | "C35" | 13000 | 430 | 810 | 400 | 35 | 21 | 0.4 | 25 | 2.8 | 2.0 |
| 9 | "C40" | 14000 | 470 | 880 | 420 | 40 | 24 | 0.4 | 26 | 2.9 | 2.0 |
| 10 | "C45" | 15000 | 500 | 940 | 440 | 45 | 27 | 0.4 | 27 | 3.1 | 2.0 |
| 11 | "C50" | 16000 | 530 | 1000 | 460 | 50 | 30 | 0.4 | 29 | 3.2 | 2.0 |)tbl";

// EN 338:2016, Table 3: hardwood strength classes D18 to D70.
const char* const kHardwoodEc = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "D18" | 9500 | 630 | 590 | 475 | 18 | 11 | 0.6 | 18 | 4.8 | 3.5 |
| 1 | "D24" | 10000 | 670 | 630 | 485 | 24 | 14 | 0.6 | 21 | 4.9 | 3.7 |
| 2 | "D30" | 11000 | 730 | 690 | 530 | 30 | 18 | 0.6 | 24 | 5.3 | 3.9 |
| 3 | "D35" | 12000 | 800 | 750 | 540 | 35 | 21 | 0.6 | 25 | 5.4 | 4.1 |
| 4 | "D40" | 13000 | 870 | 810 | 550 | 40 | 24 | 0.6 | 27 | 5.5 | 4.2 |
| 5 | "D50" | 14000 | 930 | 880 | 620 | 50 | 30 | 0.6 | 30 | 6.2 | 4.5 |
| 6 | "D60" | 17000 | 1130 | 1060 | 700 | 60 | 36 | 0.6 | 33 | 10.5 | 4.8 |
| 7 | "D70" | 20000 | 1330 | 1250 | 800 | 70 | 42 | 0.6 | 36 | 12.0 | 5.0 |)tbl";

// DIN 1052:2008-12, Annex F: hardwood strength classes D30 to D70.
const char* const kHardwoodDin = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "D30" | 10000 | 640 | 600 | 530 | 30 | 18 | 0.5 | 23 | 8.0 | 3.0 |
| 1 | "D35" | 10000 | 690 | 650 | 560 | 35 | 21 | 0.5 | 25 | 8.4 | 3.4 |
| 2 | "D40" | 11000 | 750 | 700 | 590 | 40 | 24 | 0.5 | 26 | 8.8 | 3.8 |
| 3 | "D50" | 14000 | 930 | 880 | 650 | 50 | 30 | 0.5 | 29 | 9.7 | 4.6 |
| 4 | "D60" | 17000 | 1130 | 1060 | 700 | 60 | 36 | 0.5 | 32 | 10.5 | 5.3 |
| 5 | "D70" | 20000 | 1330 | 1250 | 900 | 70 | 42 | 0.5 | 34 | 13.5 | 6.0 |)tbl";

// EN 14080:2013, Tables 5 (homogeneous "h") and 4 (combined "c"): glued laminated timber.
const char* const kGlulamEc = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "GL20h" | 8400 | 300 | 650 | 340 | 20 | 16 | 0.5 | 20 | 2.5 | 3.5 |
| 1 | "GL22h" | 10500 | 300 | 650 | 370 | 22 | 17.6 | 0.5 | 22 | 2.5 | 3.5 |
| 2 | "GL24h" | 11500 | 300 | 650 | 385 | 24 | 19.2 | 0.5 | 24 | 2.5 | 3.5 |
| 3 | "GL26h" | 12100 | 300 | 650 | 405 | 26 | 20.8 | 0.5 | 26 | 2.5 | 3.5 |
| 4 | "GL28h" | 12600 | 300 | 650 | 425 | 28 | 22.3 | 0.5 | 28 | 2.5 | 3.5 |
| 5 | "GL30h" | 13600 | 300 | 650 | 430 | 30 | 24 | 0.5 | 30 | 2.5 | 3.5 |
| 6 | "GL32h" | 14200 | 300 | 650 | 440 | 32 | 25.6 | 0.5 | 32 | 2.5 | 3.5 |
| 7 | "GL20c" | 10400 | 300 | 650 | 355 | 20 | 15 | 0.5 | 18.5 | 2.5 | 3.5 |
| 8 | "GL22c" | 10400 | 300 | 650 | 355 | 22 | 16 | 0.5 | 20 | 2.5 | 3.5 |
| 9 | "GL24c" | 11000 | 300 | 650 | 365 | 24 | 17 | 0.5 | 21.5 | 2.5 | 3.5 |
| 10 | "GL26c" | 12000 | 300 | 650 | 385 | 26 | 19 | 0.5 | 23.5 | 2.5 | 3.5 |
| 11 | "GL28c" | 12500 | 300 | 650 | 390 | 28 | 19.5 | 0.5 | 24 | 2.5 | 3.5 |
| 12 | "GL30c" | 13000 | 300 | 650 | 390 | 30 | 19.5 | 0.5 | 24.5 | 2.5 | 3.5 |
| 13 | "GL32c" | 13500 | 300 | 650 | 400 | 32 | 19.5 | 0.5 | 24.5 | 2.5 | 3.5 |)tbl";

// DIN 1052:2008-12, Annex F: glued laminated timber GL24 to GL36.
const char* const kGlulamDin = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "GL24h (BS11)" | 11600 | 390 | 720 | 380 | 24 | 16.5 | 0.5 | 24 | 2.7 | 2.5 |
| 1 | "GL24c (BS11)" | 11600 | 320 | 590 | 350 | 24 | 14 | 0.5 | 21 | 2.4 | 2.5 |
| 2 | "GL28h (BS14)" | 12600 | 420 | 780 | 410 | 28 | 19.5 | 0.5 | 26.5 | 3.0 | 2.5 |
| 3 | "GL28c (BS14)" | 12600 | 390 | 720 | 380 | 28 | 16.5 | 0.5 | 24 | 2.7 | 2.5 |
| 4 | "GL32h (BS16)" | 13700 | 460 | 850 | 430 | 32 | 22.5 | 0.5 | 29 | 3.3 | 2.5 |
| 5 | "GL32c (BS16)" | 13700 | 420 | 780 | 410 | 32 | 19.5 | 0.5 | 26.5 | 3.0 | 2.5 |
| 6 | "GL36h (BS18)" | 14700 | 490 | 910 | 450 | 36 | 26 | 0.5 | 31 | 3.6 | 2.5 |
| 7 | "GL36c (BS18)" | 14700 | 460 | 850 | 430 | 36 | 22.5 | 0.5 | 29 | 3.3 | 2.5 |)tbl";

// Beech LVL GL75 (BauBuche), ETA-14/0354 of the maker, flat and on edge.
const char* const kBeechLvl = R"tbl(| grade | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "GL75 flachkant" | 16800 | 470 | 850 | 730 | 75 | 60 | 0.6 | 49.5 | 12.3 | 4.5 |
| 1 | "GL75 hochkant" | 16800 | 470 | 760 | 730 | 75 | 60 | 1.5 | 49.5 | 11.7 | 4.5 |)tbl";

// EN 1194:1999 as taken over by DIN EN 1995-1-1/NA: f_t,90,g,k and f_v,g,k of glulam GL24 to GL36
// under the annex.
const char* const kGlulamDinEc = R"tbl(| grade | name | f_t90 | f_v |
|---|---|---|---|
| 0 | "GL24h (BS11)" | 0.4 | 2.7 |
| 1 | "GL24c (BS11)" | 0.35 | 2.2 |
| 2 | "GL28h (BS14)" | 0.45 | 3.2 |
| 3 | "GL28c (BS14)" | 0.4 | 2.7 |
| 4 | "GL32h (BS16)" | 0.5 | 3.8 |
| 5 | "GL32c (BS16)" | 0.45 | 3.2 |
| 6 | "GL36h (BS18)" | 0.6 | 4.3 |
| 7 | "GL36c (BS18)" | 0.5 | 3.8 |)tbl";

// The host's material table, rows not found in the tables above: D18 and D24 after EN 338:2009 with
// the values of DIN 1052:2008 for f_t90/f_c90/f_v (2006, 2007); hardwoods after EN 338:2009
// (5000-5007); beech LVL and panels after the makers' approvals (8000-8006: Pollmeier ETA-14/0354;
// 9000-9005: Kerto-S and Kerto-Q, the maker's VTT certificate).
const char* const kHostOwnRows = R"tbl(| id | name | E0 | E90 | G | rho_k | f_m | f_t0 | f_t90 | f_c0 | f_c90 | f_v |
|---|---|---|---|---|---|---|---|---|---|---|---|
| 2006 | "D18" | 9500 | 630 | 590 | 475 | 18 | 11 | 0.5 | 18 | 7.5 | 2.3 |
| 2007 | "D24" | 10000 | 670 | 620 | 485 | 24 | 14 | 0.5 | 21 | 7.8 | 2.7 |
| 5000 | "D30" | 11000 | 730 | 690 | 530 | 30 | 18 | 0.6 | 23 | 8.0 | 4.0 |
| 5001 | "D35" | 12000 | 800 | 750 | 540 | 35 | 21 | 0.6 | 25 | 8.1 | 4.0 |
| 5002 | "D40" | 13000 | 860 | 810 | 550 | 40 | 24 | 0.6 | 26 | 8.3 | 4.0 |
| 5003 | "D50" | 14000 | 930 | 880 | 620 | 50 | 30 | 0.6 | 29 | 9.3 | 4.0 |
| 5004 | "D60" | 17000 | 1130 | 1060 | 700 | 60 | 36 | 0.6 | 32 | 10.5 | 4.5 |
| 5005 | "D70" | 20000 | 1330 | 1250 | 900 | 70 | 42 | 0.6 | 34 | 13.5 | 5.0 |
| 5006 | "D18" | 9500 | 630 | 590 | 475 | 18 | 11 | 0.6 | 18 | 7.5 | 3.4 |
| 5007 | "D24" | 10000 | 670 | 620 | 485 | 24 | 14 | 0.6 | 21 | 7.8 | 4.0 |
| 8000 | "Träger GL70" | 16700 | 470 | 850 | 680 | 70 | 55 | 0.6 | 49.5 | 8.5 | 4.0 |
| 8001 | "Pl. S 20-80 (w)" | 16800 | 470 | 850 | 730 | 80 | 60 | 1.5 | 57.5 | 10 | 8.0 |
| 8002 | "Pl. S 20-80 (s)" | 16800 | 470 | 760 | 730 | 75 | 60 | 1.5 | 57.5 | 14 | 8.0 |
| 8003 | "Pl. Q 20 (w)" | 11800 | 3900 | 430 | 730 | 70 | 45 | 16 | 45.6 | 13 | 3.8 |
| 8004 | "Pl. Q 20 (s)" | 11800 | 3900 | 820 | 730 | 54 | 45 | 16 | 45.6 | 37 | 7.8 |
| 8005 | "Pl. S 30-80 (w)" | 13200 | 2200 | 430 | 730 | 75 | 51 | 8 | 53.3 | 13 | 3.8 |
| 8006 | "Pl. S 30-80 (s)" | 13200 | 2200 | 820 | 730 | 60 | 51 | 8 | 53.3 | 19 | 7.8 |
| 9000 | "S 21-90 (w)" | 13800 | 130 | 600 | 480 | 50 | 35 | 0.8 | 35 | 1.8 | 2.3 |
| 9001 | "S 21-90 (s)" | 13800 | 430 | 600 | 480 | 44 | 35 | 0.8 | 35 | 6.0 | 4.1 |
| 9002 | "Q 21-24 (w)" | 10000 | 1200 | 60 | 480 | 32 | 19 | 0.01 | 19 | 2.2 | 1.3 |
| 9003 | "Q 21-24 (s)" | 10000 | 1200 | 600 | 480 | 28 | 19 | 6.0 | 19 | 9.0 | 4.5 |
| 9004 | "Q 27-75 (w)" | 10500 | 2000 | 120 | 480 | 36 | 26 | 0.01 | 26 | 2.2 | 1.3 |
| 9005 | "Q 27-75 (s)" | 10500 | 2000 | 600 | 480 | 32 | 26 | 6.0 | 26 | 9.0 | 4.5 |)tbl";

// The host's material table: its ten groups of ids, their names, and the names of the empty group
// 3.
const char* const kHostGroups = R"tbl(| group | ids | group name (`Mat_Group_Name`) | rows |
|---|---|---|---|
| 0 | 1000-1011 | "Nadelholz" | the 12 rows of `SoftwoodGradesDin` (same names, same values) |
| 1 | 2000-2007 | "Laubholz" | ids 2000-2005: the 6 rows of `HardwoodGradesDin`; 2006 and 2007: see below |
| 2 | 3000-3007 | "Brettschichtholz" | the 8 rows of `GlulamGradesDin` |
| 3 | 0-14 | the empty text | names only, all ten values 0: "S7", "S10", "S13", "MS7", "MS10", "MS13", "MS17", "BS11", "BS14", "B16", "BS18", "LH A", "LH B", "LH C", "Kerto" |
| 4 | 4000-4011 | "Nadelholz" | the 12 rows of `SoftwoodGradesDin` with f_v_k 3.0, 3.2, 3.4, 3.6, 3.8 for ids 4000-4004 and 4.0 for ids 4005-4011 |
| 5 | 5000-5007 | "Laubholz" | see below |
| 6 | 6000-6007 | "Brettschichtholz" | the 8 rows of `GlulamGradesDinEc` (all ten values) |
| 7 | 7000-7013 | "Brettschichtholz" | the 14 rows of `GlulamGradesEc` |
| 8 | 8000-8006 | "Furnier" | see below |
| 9 | 9000-9005 | "Kerto" | see below |)tbl";

// Steico Wall LVL studs, maker's section table (mm, cm2, cm3, cm4; e_ef for scale 1).
const char* const kSteicoWall =
    R"tbl(| index | name | b | h | c3 | c4 | c5 | c6 | h_f | h_w | z | i_y | e_ef | c12 | c13 |
|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "SW LVL,HB 45/160" | 45 | 160 | 3.37 | 8.5 | 148 | 1.41 | 39 | 82 | 61 | 1357 | 10884 | 58 | 2.6 |
| 1 | "SW LVL,HB 45/200" | 45 | 200 | 4.46 | 10.4 | 260 | 1.92 | 39 | 122 | 81 | 2410 | 10785 | 75 | 2.9 |
| 2 | "SW LVL,HB 45/240" | 45 | 240 | 5.58 | 12.21 | 406 | 2.42 | 39 | 162 | 101 | 3802 | 10681 | 92 | 3.2 |
| 3 | "SW LVL,HB 45/300" | 45 | 300 | 7.32 | 14.03 | 691 | 3.18 | 39 | 222 | 131 | 6569 | 10525 | 116 | 3.6 |
| 4 | "SW LVL,HB 60/160" | 60 | 160 | 4.49 | 8.99 | 196 | 1.41 | 39 | 82 | 61 | 1800 | 10913 | 59 | 3.3 |
| 5 | "SW LVL,HB 60/200" | 60 | 200 | 5.92 | 10.97 | 345 | 1.92 | 39 | 122 | 81 | 3183 | 10837 | 77 | 3.6 |
| 6 | "SW LVL,HB 60/240" | 60 | 240 | 7.39 | 12.85 | 538 | 2.42 | 39 | 162 | 101 | 4999 | 10758 | 94 | 3.9 |
| 7 | "SW LVL,HB 60/300" | 60 | 300 | 9.66 | 14.76 | 912 | 3.18 | 39 | 222 | 131 | 8577 | 10636 | 119 | 4.3 |)tbl";

// Steico Joist LVL I-joists, maker's section table (same units).
const char* const kSteicoJoist =
    R"tbl(| index | name | b | h | c3 | c4 | c5 | c6 | h_f | h_w | z | i_y | e_ef | c12 | c13 |
|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|
| 0 | "SJ LVL,HB 45/200" | 45 | 200 | 7.81 | 13 | 343 | 2.55 | 39 | 122 | 81 | 2440 | 14044 | 74 | 3.2 |
| 1 | "SJ LVL,HB 45/220" | 45 | 220 | 8.79 | 14.14 | 433 | 2.89 | 39 | 142 | 91 | 3110 | 13935 | 82 | 3.4 |
| 2 | "SJ LVL,HB 45/240" | 45 | 240 | 9.78 | 15.26 | 536 | 3.23 | 39 | 162 | 101 | 3873 | 13827 | 90 | 3.5 |
| 3 | "SJ LVL,HB 45/300" | 45 | 300 | 12.82 | 17.6 | 912 | 4.23 | 39 | 222 | 131 | 6752 | 13506 | 113 | 4.1 |
| 4 | "SJ LVL,HB 45/360" | 45 | 360 | 15.96 | 18.6 | 1397 | 5.24 | 39 | 282 | 161 | 10581 | 13200 | 135 | 4.6 |
| 5 | "SJ LVL,HB 45/400" | 45 | 400 | 17.75 | 19.2 | 1783 | 5.91 | 39 | 322 | 181 | 13706 | 13006 | 150 | 4.9 |
| 6 | "SJ LVL,HB 60/200" | 60 | 200 | 10.36 | 13.71 | 455 | 2.55 | 39 | 122 | 81 | 3213 | 14153 | 75 | 3.9 |
| 7 | "SJ LVL,HB 60/220" | 60 | 220 | 11.65 | 14.9 | 575 | 2.89 | 39 | 142 | 91 | 4083 | 14070 | 84 | 4.1 |
| 8 | "SJ LVL,HB 60/240" | 60 | 240 | 12.94 | 16.07 | 709 | 3.23 | 39 | 162 | 101 | 5070 | 13986 | 92 | 4.2 |
| 9 | "SJ LVL,HB 60/280" | 60 | 280 | 15.58 | 18.09 | 1023 | 3.9 | 39 | 202 | 121 | 7404 | 13817 | 108 | 4.6 |
| 10 | "SJ LVL,HB 60/300" | 60 | 300 | 16.91 | 18.46 | 1203 | 4.23 | 39 | 222 | 131 | 8759 | 13734 | 116 | 4.8 |
| 11 | "SJ LVL,HB 60/360" | 60 | 360 | 20.98 | 19.44 | 1836 | 5.24 | 39 | 282 | 161 | 13610 | 13489 | 140 | 5.3 |
| 12 | "SJ LVL,HB 60/400" | 60 | 400 | 23.61 | 20.01 | 2337 | 5.91 | 39 | 322 | 181 | 17533 | 13332 | 155 | 5.6 |
| 13 | "SJ LVL,HB 90/220" | 90 | 220 | 17.37 | 16.08 | 857 | 2.89 | 39 | 142 | 91 | 6029 | 14209 | 86 | 5.5 |
| 14 | "SJ LVL,HB 90/240" | 90 | 240 | 19.28 | 17.31 | 1056 | 3.23 | 39 | 162 | 101 | 7463 | 14151 | 95 | 5.6 |
| 15 | "SJ LVL,HB 90/300" | 90 | 300 | 25.09 | 19.81 | 1785 | 4.23 | 39 | 222 | 131 | 12774 | 13975 | 121 | 6.2 |
| 16 | "SJ LVL,HB 90/360" | 90 | 360 | 31.02 | 20.78 | 2714 | 5.24 | 39 | 282 | 161 | 19668 | 13801 | 146 | 6.7 |
| 17 | "SJ LVL,HB 90/400" | 90 | 400 | 35.04 | 21.35 | 3447 | 5.91 | 39 | 322 | 181 | 25186 | 13687 | 162 | 7 |)tbl";

// Steico Wall / Steico Joist: the stored product values; "x scale" values are stored multiplied by
// the scale.
const char* const kLvlValues = R"tbl(| index | wall | joist | use |
|---|---|---|---|
| 0 | 26 | 48 | stored |
| 1 | 16 | 36 | stored |
| 2 | 22 | 36 | stored |
| 3 | 11000 × scale | 13800 × scale | flange modulus, stored |
| 4 | 10000 × scale | 11600 × scale | stored |
| 5 | 480 | 480 | flange density ρ_f [kg/m³] (mass per length) |
| 6 | 6 | 6 | web thickness t_w [mm] (support areas, mass per length) |
| 7 | 31 | 31 | stored |
| 8 | 20 | 20 | stored |
| 9 | 21 | 21 | stored |
| 10 | 14 | 14 | stored |
| 11 | 5300 × scale | 5300 × scale | web modulus, stored |
| 12 | 2100 × scale | 2100 × scale | stored |
| 13 | 900 | 900 | web density ρ_w [kg/m³] (mass per length) |
| 14 | 2.4 | 2.4 | stored |)tbl";

// Steico's approvals for its LVL studs and I-joists: k_mod of web and flanges by load-duration step
// 0 to 7.
const char* const kLvlKmod = R"tbl(| table | 0 | 1 | 2 | 3 | 4 | 5 | 6 | 7 |
|---|---|---|---|---|---|---|---|---|
| web, service class 1 | 0.3 | 0.45 | 0.65 | 0.85 | 1.1 | 0.975 | 1.1 | 1.1 |
| web, service class 2 | 0.2 | 0.3 | 0.45 | 0.6 | 0.9 | 0.75 | 1.1 | 1.1 |
| flanges, service classes 1 and 2 | 0.6 | 0.7 | 0.8 | 0.9 | 1.1 | 1.0 | 1.1 | 1.1 |)tbl";

// EN 1995-1-1:2004, Table 3.1 (rows R1 to R9) and DIN 1052:2008 Annex F: k_mod by load-duration
// class permanent, long, medium, short, instantaneous; column 5 is the mean of short and
// instantaneous; "-" where the table allows no load of that class (medium board MBH.HLS in
// service class 2).
const char* const kKmodRows = R"tbl(| row | 0 | 1 | 2 | 3 | 4 | 5 |
|---|---|---|---|---|---|---|
| R1 | 0.6 | 0.7 | 0.8 | 0.9 | 1.1 | 1.0 |
| R2 | 0.5 | 0.55 | 0.65 | 0.7 | 0.9 | 0.8 |
| R3 | 0.4 | 0.5 | 0.7 | 0.9 | 1.1 | 1.0 |
| R4 | 0.3 | 0.4 | 0.55 | 0.7 | 0.9 | 0.8 |
| R5 | 0.3 | 0.45 | 0.65 | 0.85 | 1.1 | 0.975 |
| R6 | 0.2 | 0.3 | 0.45 | 0.6 | 0.8 | 0.7 |
| R7 | 0.2 | 0.4 | 0.6 | 0.8 | 1.1 | 0.95 |
| R8 | 0.15 | 0.3 | 0.45 | 0.6 | 0.8 | 0.7 |
| R9 | - | - | - | 0.45 | 0.8 | 0.625 |)tbl";

// EN 12369-1:2001, Tables 3 to 6: particleboard P4 to P7, loaded as a plate: f_m / f_t / f_c / f_v
// / f_c90 in N/mm2 by thickness band.
const char* const kParticlePlate = R"tbl(| band t_mm | "Typ P4" | "Typ P5" | "Typ P6" | "Typ P7" |
|---|---|---|---|---|
| (6, 13] | 14.2 / 8.9 / 12 / 1.8 / 10 | 15 / 9.4 / 12.7 / 1.9 / 10 | 16.5 / 10.5 / 14.1 / 1.9 / 10 | 18.3 / 11.5 / 15.5 / 2.4 / 10 |
| (13, 20] | 12.5 / 7.9 / 11.1 / 1.6 / 10 | 13.3 / 8.5 / 11.8 / 1.7 / 10 | 15 / 9.5 / 13.3 / 1.7 / 10 | 16.7 / 10.6 / 14.7 / 2.2 / 10 |
| (20, 25] | 10.8 / 6.9 / 9.6 / 1.4 / 10 | 11.7 / 7.4 / 10.3 / 1.5 / 10 | 13.3 / 8.5 / 12.8 / 1.7 / 10 | 15.4 / 9.8 / 13.7 / 2 / 10 |
| (25, 32] | 9.2 / 6.1 / 9 / 1.2 / 8 | 10 / 6.6 / 9.8 / 1.3 / 8 | 12.5 / 8.3 / 12.2 / 1.7 / 8 | 14.2 / 9.4 / 13.5 / 1.9 / 8 |
| (32, 40] | 7.5 / 5 / 7.6 / 1.1 / 6 | 8.3 / 5.6 / 8.5 / 1.2 / 6 | 11.7 / 7.8 / 11.9 / 1.7 / 6 | 13.3 / 9 / 13.2 / 1.9 / 6 |
| (40, 50] | 5.8 / 4.4 / 6.1 / 1 / 6 | 7.5 / 5.6 / 7.8 / 1 / 6 | 10 / 7.5 / 10.4 / 1.7 / 6 | 12.5 / 8 / 13 / 1.8 / 6 |)tbl";

// EN 12369-1:2001, Tables 3 to 6: particleboard P4 to P7, loaded in plane: f_t / f_c / f_v in N/mm2
// by thickness band.
const char* const kParticleInPlane = R"tbl(| band t_mm | "Typ P4" | "Typ P5" | "Typ P6" | "Typ P7" |
|---|---|---|---|---|
| (6, 13] | 8.9 / 12 / 6.6 | 9.4 / 12.7 / 7 | 10.5 / 14.1 / 7.8 | 11.5 / 15.5 / 8.6 |
| (13, 20] | 7.9 / 11.1 / 6.1 | 8.5 / 11.8 / 6.5 | 9.5 / 13.3 / 7.3 | 10.6 / 14.7 / 8.1 |
| (20, 25] | 6.9 / 9.6 / 5.5 | 7.4 / 10.3 / 5.9 | 8.5 / 12.8 / 6.8 | 9.8 / 13.7 / 7.9 |
| (25, 32] | 6.1 / 9 / 4.8 | 6.6 / 9.8 / 5.2 | 8.3 / 12.2 / 6.5 | 9.4 / 13.5 / 7.4 |
| (32, 40] | 5 / 7.6 / 4.4 | 5.6 / 8.5 / 4.8 | 7.8 / 11.9 / 6 | 9 / 13.2 / 7.2 |
| (40, 50] | 4.4 / 6.1 / 4.2 | 5.6 / 7.8 / 4.4 | 7.5 / 10.4 / 5.5 | 8 / 13 / 7 |)tbl";

// EN 12369-1:2001, Table 2: OSB/2, OSB/3 and OSB/4 by thickness band; each cell f_m / f_t / f_c /
// f_v / f_c90 (N/mm2).
const char* const kOsb =
    R"tbl(| grade | thickness | Platte parallel | Platte senkrecht | Scheibe parallel | Scheibe senkrecht |
|---|---|---|---|---|---|
| "OSB 2", "OSB 3" | 6 < t <= 10 | 18 / 9.9 / 15.9 / 1 / 10 | 9 / 7.2 / 12.9 / 1 / 10 | 9.9 / 9.9 / 15.9 / 6.8 / 10 | 7.2 / 7.2 / 12.9 / 6.8 / 10 |
| "OSB 2", "OSB 3" | 10 < t <= 18 | 16.4 / 9.4 / 15.4 / 1 / 10 | 8.2 / 7 / 12.7 / 1 / 10 | 9.4 / 9.4 / 15.4 / 6.8 / 10 | 7 / 7 / 12.7 / 6.8 / 10 |
| "OSB 2", "OSB 3" | 18 < t <= 25 | 14.8 / 9 / 14.8 / 1 / 10 | 7.4 / 6.8 / 12.4 / 1 / 10 | 9 / 9 / 14.8 / 6.8 / 10 | 6.8 / 6.8 / 12.4 / 6.8 / 10 |
| "OSB 4" | 6 < t <= 10 | 24.5 / 11.9 / 18.1 / 1.1 / 10 | 13 / 8.5 / 14.3 / 1.1 / 10 | 11.9 / 11.9 / 18.1 / 6.9 / 10 | 8.5 / 8.5 / 14.3 / 6.9 / 10 |
| "OSB 4" | 10 < t <= 18 | 23 / 11.4 / 17.6 / 1.1 / 10 | 12.2 / 8.2 / 14 / 1.1 / 10 | 11.4 / 11.4 / 17.6 / 6.9 / 10 | 8.2 / 8.2 / 14 / 6.9 / 10 |
| "OSB 4" | 18 < t <= 25 | 21 / 10.9 / 17 / 1.1 / 10 | 11.4 / 8 / 13.7 / 1.1 / 10 | 10.9 / 10.9 / 17 / 6.9 / 10 | 8 / 8 / 13.7 / 6.9 / 10 |)tbl";

// DIN 1052:2008-12, Annex F (gypsum plasterboard GKB, GKF, GKBi after DIN 18180) by thickness band;
// cells as for OSB.
const char* const kGypsum =
    R"tbl(| grade | band | Platte parallel | Platte senkrecht | Scheibe parallel | Scheibe senkrecht |
|---|---|---|---|---|---|
| "GKB" | 12-13 | 6.5 / 1.7 / 3.5 / 0 / 3.5 | 2 / 0.7 / 4.2 / 0 / 3.5 | 4 / 1.7 / 3.5 / 1 / 0.5 | 2 / 0.7 / 4.2 / 1 / 0.5 |
| "GKB" | 14.5-15.5 | 5.4 / 1.4 / 3.5 / 0 / 3.5 | 1.8 / 0.7 / 4.2 / 0 / 3.5 | 3.8 / 1.4 / 3.5 / 1 / 0.5 | 1.7 / 0.7 / 4.2 / 1 / 0.5 |
| "GKB" | 17.5-18.5 | 4.2 / 1.1 / 3.5 / 0 / 3.5 | 1.5 / 0.7 / 4.2 / 0 / 3.5 | 3.6 / 1.1 / 3.5 / 1 / 0.5 | 1.4 / 0.7 / 4.2 / 1 / 0.5 |
| "GKF", "GKBi" | 12-13 | 6.5 / 1.7 / 5.5 / 0 / 5.5 | 2 / 0.7 / 4.8 / 0 / 5.5 | 4 / 1.7 / 5.5 / 1 / 0.5 | 2 / 0.7 / 4.8 / 1 / 0.5 |
| "GKF", "GKBi" | 14.5-15.5 | 5.4 / 1.4 / 5.5 / 0 / 5.5 | 1.8 / 0.7 / 4.8 / 0 / 5.5 | 3.8 / 1.4 / 5.5 / 1 / 0.5 | 1.7 / 0.7 / 4.8 / 1 / 0.5 |
| "GKF", "GKBi" | 17.5-18.5 | 4.2 / 1.1 / 5.5 / 0 / 5.5 | 1.5 / 0.7 / 4.8 / 0 / 5.5 | 3.6 / 1.1 / 5.5 / 1 / 0.5 | 1.4 / 0.7 / 4.8 / 1 / 0.5 |)tbl";

// DIN 1052:2008-12, Annex F, and EN 636: plywood classes F20/10 to F60/10; cells as for OSB.
const char* const kPlywood = R"tbl(| grade | Platte parallel | Platte senkrecht | Scheibe parallel | Scheibe senkrecht |
|---|---|---|---|---|
| "F20/10" | 20 / 15 / 9 / 0.9 / 4 | 10 / 7 / 10 / 0.6 / 4 | 9 / 9 / 15 / 3.5 / 4 | 7 / 7 / 10 / 3.5 / 4 |
| "F20/15" | 20 / 13 / 8 / 1 / 4 | 15 / 7 / 13 / 0.7 / 4 | 8 / 8 / 13 / 4 / 4 | 7 / 7 / 13 / 4 / 4 |
| "F25/10" | 25 / 18 / 18 / 1.1 / 6.5 | 10 / 9 / 9 / 0.65 / 6.5 | 22 / 18 / 18 / 8 / 4 | 14 / 9 / 9 / 8 / 4 |
| "F40/30" | 40 / 29 / 21 / 2.2 / 9 | 30 / 31 / 22 / 2.2 / 9 | 29 / 29 / 21 / 9.5 / 9 | 31 / 31 / 22 / 9.5 / 9 |
| "F50/25" | 50 / 36 / 36 / 2.2 / 9 | 25 / 24 / 17 / 2.5 / 10 | 36 / 36 / 36 / 9.5 / 9 | 24 / 24 / 17 / 11 / 4 |
| "F60/10" | 60 / 36 / 36 / 2.5 / 10 | 10 / 24 / 18 / 2.5 / 10 | 36 / 36 / 26 / 11 / 10 | 24 / 24 / 18 / 11 / 10 |)tbl";

// Steico LVL R and X, the maker's European technical assessment; cells as for OSB.
const char* const kLvlProducts =
    R"tbl(| grade | Platte parallel | Platte senkrecht | Scheibe parallel | Scheibe senkrecht |
|---|---|---|---|---|
| "R" | 50 / 36 / 40 / 2.6 / 3.6 | 0.00001 / 0.9 / 7.5 / 0.00001 / 3.6 | 44 / 36 / 40 / 4.6 / 3.6 | 0.000001 / 0.9 / 7.5 / 0.000001 / 3.6 |
| "X t≤24" | 32 / 18 / 26 / 1.1 / 4 | 7 / 7 / 9 / 1.1 / 4 | 30 / 18 / 26 / 4.6 / 4 | 10 / 7 / 9 / 4.6 / 4 |
| "X t≥27" | 36 / 18 / 30 / 1.1 / 4 | 8 / 5 / 9 / 1.1 / 4 | 32 / 18 / 30 / 4.6 / 4 | 8 / 5 / 9 / 4.6 / 4 |)tbl";

// EN 12369-1:2001, Table 7 (hardboard HB.HLA2, medium board MBH.LA2) and Fermacell gypsum
// fibreboard, ETA-03/0050; cells as for OSB, "-" where none is given.
const char* const kFibreFermacell = R"tbl(| kind, grade | thickness | plate | in-plane |
|---|---|---|---|
| 8 "Hart" | t <= 3.5 and t > 5.5 | 32 / 23 / 24 / 2.5 / 12 | 23 / 23 / 24 / 16 / 12 |
| 8 "Hart" | 3.5 < t <= 5.5 | 35 / 26 / 27 / 3 / 12 | 26 / 26 / 27 / 18 / 12 |
| 8 "Mittelhart" | t <= 10 | 17 / 9 / 9 / 0.3 / 8 | 9 / 9 / 9 / 5.5 / 8 |
| 8 "Mittelhart" | t > 10 | 15 / 8 / 8 / 3.25 / 8 | 8 / 8 / 8 / 4.5 / 8 |
| 9 "10 mm" | every | 4.6 / 0 / 0 / 1.9 / - | 4.3 / 2.5 / 8.5 / 3.7 / - |
| 9 "12,5 mm" | every | 4.3 / 0 / 0 / 1.8 / - | 4.2 / 2.4 / 8.5 / 3.6 / - |
| 9 "15 mm" | every | 4 / 0 / 0 / 1.7 / - | 4.1 / 2.4 / 8.5 / 3.5 / - |
| 9 "18 mm" | every | 3.6 / 0 / 0 / 1.6 / - | 4 / 2.3 / 8.5 / 3.4 / - |
| 9 "25 mm" | every | 3 / 0 / 0 / 1.4 / - | 3.8 / 2.1 / 8.5 / 3.2 / - |)tbl";

// Kerto-S and Kerto-Q, the maker's VTT certificate; beech LVL panels, ETA-14/0354; cells as for
// OSB, a "*" marks a value that the annex rules scale.
const char* const kKertoBeech = R"tbl(| kind, grade | thickness | parallel | perpendicular |
|---|---|---|---|
| 10 "21-75 mm" | every | 48 / 38 / 38 / 4.4 / 6 | 48 / 0.8 / 6 / 4.4 / 6 |
| 11 "21-24 mm" | every | 32 / 20 / 20 / 4.8 / 9 | 32 / 6 / 9 / 4.8 / 9 |
| 11 "27-69 mm" | every | 36 / 27 / 27 / 4.8 / 9 | 36 / 6 / 9 / 4.8 / 9 |
| 18 "S 40 mm", "S 60 mm" | every | 80 / 60 / 57.5* / 8 / 14 | 75 / 1.5 / 14 / 8 / 14 |
| 18 "Q 40 mm" | t <= 24.1 | 70 / 46 / 57* / 3.8 / 22* | 54 / 15 / 40* / 7.8 / 22* |
| 18 "Q 40 mm" | 26.9 <= t <= 66.1 | 81 / 49 / 62* / 3.8 / 22* | 59 / 8 / 22* / 7.8 / 22* |)tbl";

// EN 12369-1:2001, Table 2 (OSB) and DIN 1052:2008-12 (plywood): E_mean / G_mean / E_05 in N/mm2
// for the variants 0 to 3 of the moduli.
const char* const kModuliPanels =
    R"tbl(| kind | grade | thickness | variant 0 | variant 1 | variant 2 (and 5) | variant 3 |
|---|---|---|---|---|---|---|
| 4 OSB | "OSB 2", "OSB 3" | every | 4930 / 50 / 4190.5 | 1980 / 50 / 1683 | 3800 / 1080 / 3230 | 3000 / 1080 / 2550 |
| 4 OSB | "OSB 4" | every | 6780 / 60 / 5763 | 2680 / 60 / 2278 | 4300 / 1090 / 3655 | 3200 / 1090 / 2720 |
| 6 plywood | "F20/10" | every | 4000 / 35 / 3200 | 2000 / 25 / 1600 | 4000 / 350 / 3200 | 3000 / 350 / 2400 |
| 6 plywood | "F20/15" | every | 3000 / 35 / 2400 | 2500 / 25 / 2000 | 4000 / 350 / 3200 | 3000 / 350 / 2400 |
| 6 plywood | "F25/10" | every | 5500 / 25 / 4400 | 1500 / 25 / 1200 | 4500 / 500 / 3600 | 2500 / 500 / 2000 |
| 6 plywood | "F40/30" | every | 6000 / 150 / 4800 | 4000 / 150 / 3200 | 4400 / 600 / 3520 | 4700 / 600 / 3760 |
| 6 plywood | "F50/25" | every | 7000 / 150 / 5600 | 2500 / 200 / 2000 | 5500 / 600 / 4400 | 3650 / 700 / 2920 |
| 6 plywood | "F60/10" | every | 9000 / 200 / 7200 | 1000 / 200 / 800 | 5500 / 700 / 4400 | 3700 / 700 / 2960 |)tbl";

// Kerto (the maker's VTT certificate), beech LVL panels (ETA-14/0354) and Steico LVL (the maker's
// assessment): E_mean / G_mean / E_05 in N/mm2.
const char* const kModuliEngineered =
    R"tbl(| kind | grade | thickness | variants 2, 5 (19 and -11: also 6; 10 and 11: also 4) | variant 3 | variant 4 (18, 19, -11) |
|---|---|---|---|---|---|
| 10 Kerto-S | "21-75 mm" | every | 13800 / 500 / 11600 | 300 / 500 / 11600 | as variant 2 |
| 11 Kerto-Q | "21-24 mm" | every | 10000 / 500 / 8500 | 1000 / 500 / 8500 | as variant 2 |
| 11 Kerto-Q | "27-69 mm" | every | 10500 / 500 / 8500 | 2500 / 500 / 8500 | as variant 2 |
| 18 beech panel | "S 40 mm", "S 60 mm" | every | 16800 / 760 / 14900 | 470 / 760 / 14900 | 16800 / 850 / 14900 |
| 18 beech panel | "Q 40 mm" | t <= 24.01 | 11800 / 820 / 10900 | 3500 / 820 / 10900 | 11800 / 430 / 10900 |
| 18 beech panel | "Q 40 mm" | 26.9 <= t <= 66.1 | 12800 / 820 / 11800 | 2000 / 820 / 11800 | 12800 / 430 / 11800 |
| 19, -11 LVL | "R" | every | 14000 / 600 / 12000 | 430 / 600 / 12000 | 14000 / 560 / 12000 |
| 19, -11 LVL | "X t≤24" | every | 10000 / 600 / 9000 | 3500 / 60 / 9000 | 10000 / 150 / 9000 |
| 19, -11 LVL | "X t≥27" | every | 10600 / 600 / 9000 | 3000 / 600 / 9000 | 10600 / 150 / 9000 |)tbl";

// EN 12369-1:2001, Tables 3 to 6: particleboard moduli by thickness band (plate: E_mean; in plane:
// E_mean and G_mean, N/mm2).
const char* const kParticleModuli = R"tbl(| grade | band | variant 4 | variant 5 |
|---|---|---|---|
| "Typ P4" | 6-13 / 13-20 / 20-25 / 25-32 / 32-40 / 40-50 | E 3200, 2900, 2700, 2400, 2100, 1800 | E 1800, 1700, 1600, 1400, 1200, 1100; G 860, 830, 770, 680, 600, 550 |
| "Typ P5" | same bands | E 3500, 3300, 3000, 2600, 2400, 2100 | E 2000, 1900, 1800, 1500, 1400, 1300; G 960, 930, 860, 750, 690, 660 |
| "Typ P6" | same bands | E 4400, 4100, 3500, 3300, 3100, 2800 | E 2500, 2400, 2100, 1900, 1800, 1700; G 1200, 1150, 1050, 950, 900, 880 |
| "Typ P7" | same bands | E 4600, 4200, 4000, 3900, 3500, 3200 | E 2600, 2500, 2400, 2300, 2100, 2000; G 1250, 1200, 1150, 1100, 1050, 1000 |)tbl";

// EN 1995-1-1:2004, Table 3.1: which k_mod row applies to which material and service class.
const char* const kKmodSelection = R"tbl(| kind | service class 1 | service class 2 | service class 3 |
|---|---|---|---|
| -10, 0, 1, 2, 3, 17 (`Mat_Is_Timber`), 6 plywood, 10 and 11 Kerto, 13 generic LVL | R1 | R1 | R2 |
| 18 beech panel, 19 and -11 LVL products | R1 | R1 | undefined, output 0.0 |
| 4 OSB, grade 0 | R5 | undefined | undefined |
| 4 OSB, grades 1 and 2 | R3 | R4 | undefined |
| 7 particleboard, DIN rules, every grade; 8 fibreboard grade 0, both rule sets | R5 | R6 | undefined |
| 7 particleboard, annex rules, grades 0 and 1 | R5 | R6 | undefined |
| 7 particleboard, annex rules, grades 2 and 3 | R3 | R4 | undefined |
| 5 gypsum board, 9 Fermacell (every grade) | R7 | R8 | undefined |
| 8 fibreboard grade 1 (medium board) | R7 | R9 | undefined |)tbl";

// EN 1995-1-1:2004, Table 3.2: k_def by material and service class 1 / 2 / 3 (0.0 where none is
// given).
const char* const kKdef = R"tbl(| kind | class 1 | class 2 | class 3 |
|---|---|---|---|
| 0, 1, 2, 3, 10, 11, 17, 18, 19, -11, -12, -13 | 0.6 | 0.8 | 2.0 |
| 4 OSB | 1.5 | 2.25 | 0.0 |
| 5 gypsum board | 3.0 | 4.0 | 0.0 |
| 6 plywood | 0.8 | 1.0 | 2.5 |
| 7 particleboard: DIN rules, and annex rules grades 0 and 1 | 2.25 | 3.0 | 0.0 |
| 7 particleboard: annex rules, every grade other than 0 and 1 | 1.5 | 2.25 | 0.0 |
| 8 fibreboard grade 0 | 2.25 | 3.0 | 0.0 |
| 8 fibreboard, every other grade | 3.0 | 4.0 | 0.0 |)tbl";

// EN 1991-1-1:2002, Annex A, Tables A.3 and A.4, and the makers' data for LVL products: weight
// densities in kN/m3 (0.0 = none).
const char* const kSelfWeight = R"tbl(| kind | grades and values |
|---|---|
| 0 softwood | 0..5: 4.2; 6, 7: 4.6; 8: 4.8; 9..11: 5.5 |
| 1 hardwood | 0..2: 6.4; 3, 4: 6.7; 5: 7.0; 6, 7: 8.4 (grades 6 and 7 only under annex rules) |
| 2 glulam EC | 0..13: 3.7, 4.1, 4.2, 4.45, 4.6, 4.8, 4.9, 3.9, 3.9, 4.0, 4.2, 4.2, 4.3, 4.4 |
| 3 glulam DIN | 0..7: 3.7, 3.5, 4.0, 3.7, 4.2, 4.0, 4.4, 4.2 |
| 4 OSB | 0..2: 8 |
| 5 gypsum board | 0..2: 7 |
| 6 plywood | 0..5: 7 |
| 7 particleboard | 0..3: 8 |
| 8 fibreboard | 0..1: 10 |
| 9 Fermacell | 0..4: 8 |
| 10 Kerto-S | 0: 5.1 |
| 11 Kerto-Q | 0..1: 5.1 |
| 13 LVL (generic) | every grade: 8 |
| 17 beech LVL | 0..1: 8 |
| 18 beech panel | 0..2: 8 |
| 19, -11 LVL products | 0..2: 5.3 |
| -13 I-joist, -12 stud | weight per metre [kN/m] of section `grade` of the product: (10 x b x h_f + 9 x t_w x h_w) x 10^-6 with the section's b, h_f and h_w and the product's web thickness t_w, all in mm; every section of the product is accepted |)tbl";
