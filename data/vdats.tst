





















ëÏr‚§ 



P˜ž™€²†ÛŠc€‡”









Å•m–´vÉ€‡’™¶ºtŠ

æi¸½øiš Š F1ÜŠ §)











ÕMèMÙ±aš³ 















































ÄoÊuÍ‰Úƒ ‹Ë¿†n€®ƒ¾¢‰¢p–‘o·›©¯Ë





















































FFFFFF 000000 8C5C3A D2AC88 600000 006000 000080 F8FFFF B5F2DA C3F2B5 F2EFB5 F2BDB5 F2B5DF D3B5F2 B5C9F2 B5F2E9 482818 E5F2B5 F2CCB5 F2B5D0 E2B5F2 B5BAF2 B5ECF2 B5F2C6 D6F2B5 F2DBB5 F2B5C1 F8F1EC BFB5F2 B5DDF2 B5F2D5 C8F2B5 F2EAB5 F2B8B5 F2B5E4 CEB5F2 B5CEF2 B5F2E3 B9F2B5 EAF2B5 F2C7B5 F2B5D5 DDB5F2 B5BFF2 B5F1F2 B5F2C1 DCF2B5 F2D6B5 F2B5C6 ECB5F2 BAB5F2 B5E2F2 B5F2CF CDF2B5 F2E5B5 F2B5B7 F2B5E9 C9B5F2 B5D3F2 B5F2DE BEF2B5 F0F2B5 F2C2B5 F2B5DA D8B5F2 B5C4F2 B5F2ED B5F2BB E1F2B5 F2D1B5 F2B5CB E7B5F2




















W„(†üŒ©±uÇÚ¼ÝpŒd”

òuaŸŽŒd”
òu§¬„¥‰ü°¼ŽŒd”
































«•“˜³
7410852.963C/x-+<=()
&NM > SM      S&M > NM      NM&,kt > km   km > NM&/kt   Fee&t > m     Met&res > ft  US &gal > L   &L > US gal   &Imp. gal > L L > Imp&. gal L&b > kg      &Kilos > lb   inch &Hg>hPa  hPa>in&ch Hg  A&vgas gal>lb &Jet gal > lb Celsi&us > F  &F-Celsius

.0.219969 n1.150779 m0.868976 ,1.852 /0.539957 t0.3048 r3.28084 g3.785412 l0.264172 i4.54609 b0.453592 k2.204623 h33.8639 c0.02953 v6.0 j6.7
w„¤c€‡Ò†¥±uÇ
w„ŽŒª¡
w„‰ûta¢(†¦
Naƒ ‹ËÜ°¼Þ›h‚ý‘¯ËÓ“˜’‚øe–

*, OR AIR  ALON CERUNINANELAR MLEICSTREIPILLATYFIENATCHE ROISAKGICATHURKECORIT NEAMASTXOWD MIS MOAYCKHOEAIATAIDGEOK BESABTTLOSKPAWAEMOLSHMAY MBSPSERAOHFLKSUTDELIODULGAMEEKCEIG PSBITUSMNDOWIWEGRLUIELSVEWOGTHAQCSOQUNYMTBCPHBONCEDNDPOA NTFFSVDAG EVGOMSNA FSAETGS HTOUM VEXRYSCVAECUGKAAZMCTN JSDDUWHK LYMPSID)PEADJAFABUL MYVIN  (NSCLBE






ÔõÌ€c³ 
†p–²¿†n€®ƒ
†Î„—i‡¿†n€®ƒ
C‹˜w„£œ‡•t”
Àtˆ§¬w„£œ‡•t”
±u§¬„¥(†¦
ü°¼ŽŒª¡
±u£žÒ†¦
±uaŸŽŒª¡
Ãw“o„‘(†¥C)”




























Å•m–´vÉ€‡’™¶ºtŠ




C‹˜å„éœ‡•t
í¬„¥‰&G‹u¼ŽŒd
F„W„àµd¥‰ì
ÄoÊó´ŸãŠ‘î
ôn±&¢êÎÚ¼Ùraš
Â€­ƒ’Šc€‡
òuáŸŽŒd
Ãnä›¢Â€²†
Ãw×â„t
énvƒ‚§ nÐbƒ ‡‚§ ¤Žºy
WŠk©°‘i©f¨¸½£œÑƒ“‹b»m

C™¶ºtŠÀÈ”øiš¿‘Š‚› ‡‚§ÀÈ÷–d

Ãns›¢™€²†Òf¡”























ï‚¹©aƒ ‹Ë y°Þ‰’¨šÖK‚kŒÍ›«ŠØkÿ‚Ìx‘m—Æ.
Aƒ ‹ËØe–Æ































p˜ž™€²†Òf¡
„¤c—eaŸŽŒª¡
Ïœƒ—ž(†¥C)
Î—i‡“˜ž(„µ¦
™€ËÏrÝ­€n¥(„µ¦
Ïœƒ—ž(†¥C)
º€vhÐþ›¢(ß










ð‘o·r‰ú«mö 


G—çŸø¤Î‰c‰±aš¾­wŒn‚waƒ ‹Ë¿†n€®ƒs
WŠk©°‘i©f¨¸½£œÑƒ“‹b»‡‚§ ¤Žºy






























































































































































































aƒ ‹Ë ¯Ë«ŠÚn¢p–‘o·›








N€‡ÓÛ§š‚§ •±iù«Š“˜’



astq
–ÉTSF\‡A^ÍRT[–ÉTSF\D[ÇbYXX
FO=˜3F
AC®]^ÍRT[AC®[–bEG2
DQ95<T
A^D€vA^ÍRT[A^D€E[–bEF4
DQ-PV 
ypúîA^ÍRT[ypúK[ÏbYKD
Ib+6¥4
y¬IúîA^ÍRT[y¬IúK[ÂbYKO
¬ZO%l&U
`Bf]^ÍRT[FmÊH €¾R[abFR5
¥L#5nB.
`cA^ÍRT[`cT[NUbYLT
Âp="\.P
`cB‹]^ÍRT[`cB‹[ÇbY`
GP@VœTX
`àfD€ÎAc«w®[`àfD€A[abý4
¨K1QhC?
`Á¡¤ /]H½TwM[–bƒ4
ER2LF!
`ªla]^ÍRT[`ªla[abÅ4
¥J)mP,
`Ÿ]^ÍRT[`Ÿ[ÂbYTF
ªN<>eD=
`Ý×idkn`]^ÍRT[`Ý×[¡bJL6
:O#F> 
ƒO‰ŸGÅ]^ÍRT[ƒOS[ÂbYEY
§N?Pl,Y
fAHIM p~]^ÍRT[fAHIM p~[ÇbAJ4
GR9'›0)
APPj €¾R]^ÍRT[APPj €¾R[ýb{7
«K9I^O/
hÉRrg‡A^ÍRT[hÉRrgD[™bJM6
?S$:…E"
hÉRÓA^ÍRT[hÉRG[¡bJU6
:PTL0.
hp]^ÍRT[hp[™bõ7
>OD„:Y
hCTk”‹]^ÍRT[NUbY–
³g3s ?
hæYp ¢€NÛ]^ÍRT[u¤‚[–bKY8
EQ*/L8
hÖTwNÓA^ÍRT[hÖTwNG[abYYW
ŸP/7vTA
h‚‰A^ÍRT[h‚S[¡bJQ5
9PP(~W8
hNP€\]^ÍRT[hNP€\[abNP3
§K6Oj3W
hýTEe]^ÍRT[hýTEe[abNR9
¥KU>mUF
hS¨þIÐvrgD[Cmla[ÇbAJ3
EO +’;S
h|}üh|} Ã¨H)[abh5
¥ILXn7Y
h|}üó™Úrgò[abPK9
¤IL0n;
h|}ü›LTc'‰rgò[h|} Žl[abPC3
¥IP8n8@
hút]^ÍRT[hút[NUbY¯
[#E|"-
„HcûA^ÍRT[„HcN[¡bJE7
;Q'=€1U
„ñNIÉ]^ÍRT[„ñNIÉ[™bJN4
@OJ#‡VO
tÁB„{]^ÍRT[tÁB„{[–bYWM
ETJA*0
tIK“fidkn`]^ÍRT[tIK“f[abYIB
NL8yD1
tªûA^ÍRT[tªN[ÇbYSQ
IY@B£F&
t›PxæA^ÍRT[t›PxæT[abYt
¥RUEp7U
t¿« /bOGHªûA^ÍRT[t¿«[abt1
¤IGo.
AUš»îA^ÍRT[AUš»K[ÂbYp
¯Y/NcAY
AXvp~[™bAX2
CW.'‹PQ
Bô©ŒüCwWûJE¹L)]^ÍRT[Bô©Œ[ýbDW2
¬L'TZM 
BA¼bO®AU]^ÍRT[BA¼-®AU[ÂbYÇ
«O%Wb*.
BA¼-®AUüŸNk 1)]^ÍRT[BA¼-®AU[ÂbSL9
«O)"b3K
Byc p~]^ÍRT[Byc p~[NUbYBK
œ^/V~"F
B`D¸ûA^ÍRT[B`D¸N[abPB9
¥J. m28
BfCwFA^ÍRT[BfCwFT[abNW3
¦K"5kRP
BfÐ]^ÍRT[BfÐ[–bYBA
EQ*8‘>=
Bh €¾R]^ÍRT[Bh €¾R[abPF2
¢L7+r#>
Bh~RúLj]^ÍRT[Bh~RúLj[Çb„3
GS#/—<T
BhRHŽ‡A^ÍRT[BhRHŽD[–bEP3
ET$7Y
Bh€E-\oªÎ(p~ ñèOvmza`]^ÍRT)[Bh€E-\oªA[abY½
¥J;%m?2
Bhá'‰B‹ /iôA›™ÎãLj A^šRK[Bhá'‰B‹[abNZ4
§K</kDE
B„ÁW]^ÍRT[B„ÁW[–bFK2
DR?9ŽWT
B„ÙNO]^ÍRT[B„ÙNO[–bs2
DPNŽ:
BtH}l]^ÍRT[BtH}l[NBbZBF
«MCM_J2
BAWLFüBpŒ¹L½)]^ÍRT[BAWLF[–bFR2
DRTŽ?
ÿh™e p~]^ÍRT[ÿh™e p~[ab‚3
žSWVyD
ÿAµEJO}/AV-¤ÊH]^šRK[¡bAV6
9P :~A'
ÿAUãøA^ÍRT[ÿAUãL[™bJK3
BU$C‰HX
ÿA¾Rbm¯]^ÍRT[ÿA¾Rbm¯[YCYXQ
H\6CªR
ÿA¾Rj A^ÍRT[ÿA¾RjY[ÇbBA8
GSQ2˜T;
ÿA¾R˜D’ /bp×ufØ¼LD[–bLN4
GU,"•P<
ÿA¾R˜D’]^ÍRT[ÿA¾R˜D’[–bEU2
GU)!•8S
ÿx¯c]^ÍRT[ÿx¯c[–bFV2
DQ5B:1
ÿLøxpÌ]^ÍRT[ÿLøxpÌ[NøCCV4
«MDRY
ÿLp”gpü{ðÿLøxpÌ)]^ÍRT[ÿLp”gp[ÇbBÇ
GR)$ž'7
ÿLpbOÎA^ÍRT[ÿLpbOA[ÇbYBD
GR5-œAL
ÿLjúLj]^ÍRT[ÿLjúLj[abNU4
¦J)>k0@
ÿL¿«üBA^‡rgò[abBF2
¥IN<n0I
ÿL¿«ügjûrgò[abEF2
¥IP,n4(
ÿL¿«üW€GHrgò[abBW6
¥IMDn6'
ÿmý €¾R]^ÍRT[ÿmý €¾R[¡bYBV
9R3>$
B± €¾R]^ÍRT[B± €¾R[™bKX8
ASP(‰>
B± ÙÌ p~]^ÍRT[B± ÙÌ p~[¡bJQ9
<WC(R=
B± Tw¨ p~]^ÍRT[B± Tw¨ p~[abYTL
ŸSO"wSO
B±­R]^ÍRT[B±­R[™bJF8
AR!"‰Y/
Boï”xP ÝwÏOb´ A^ÍRT[ÝwÏO[abYTZ
¥ICEm5L
B^uÜo½]^ÍRT[B^uÜo½[™bJD3
@RY9‡8H
B^uiOde]^ÍRT[B^uiOde[–bFM2
DWHOY
B^‡€¾RüpC ì”a‚T)]^ÍRT[B^‡€¾R[¡bJP7
8P5N}J$
BxHgL'‰A^ÍRT[{RlA^S[–bGB2
DQ@X!%
BJ\GÞØhM]^ÍRT[BJ\GÞØhM[–bFD9
DS#ŽN)
BpŒ TkKj]^ÍRT[BpŒ TkKj[NøC°4
®S:(UM$
B˜«¾e €¾R]^ÍRT[B˜«¾e €¾R[¡bZ
9QM~H
B»v€¾R]^ÍRT[B»v€¾R[ÇbYCP
FR%•.Y
ÉB Äeûp~]^ÍRT[ÉB Äeûp~[ÇbBW4
IVX -
É×¾Ï}vA^ÍRT[É×¾Ï}E[ÂbYVB
¬N"._9C
ÉNÅúLj]^ÍRT[ÉNÅúLj[–bYBF
CT0-ŒJD
Éla”w“]^ÍRT[Éla”w“[NBbCJ3
«M8UaC;
ÉdÒá”‹]^ÍRT[pD‚R[ÇbZBB
FO"9™I
ÉW xpÌ]^ÍRT[ÉW xpÌ[–bEF3
COS1Y
ÉYj]^ÍRT[ÉYj[–bFM7
DT@6ŽO*
B¤DF\‡A^ÍRT[B¤DF\D[abPM7
¥J&(mCJ
B¤E÷RûA^ÍRT[B¤E÷RN[Y°K2
I[;"¥L@
B¤ðÝûA^ÍRT[B¤ðÝN[abÊ3
¥IKCmR<
B¤Ìaidkn`]^ÍRT[B¤Ìa[¡bYBR
<OTBW%
B¤ÏüDIXaØhM)]^ÍRT[B¤Ï[–bà9
DP7(>:
B¤ÏF\‡Mdkn`]^ÍRT[B¤ÏF\D[abYFD
¤I%Sn2?
B€D’›Tc / ÒY¢€NÓA^šRK[B€D’›Tc[ýbDY6
«J4U^96
B€cCml Ã¨H]^ÍRT[B€cCml Ã¨H[™bBS7
@P!Y‡0"
B€l]^ÍRT[B€l[NBbÒ6
«L9@a?S
BwuÚ]^ÍRT[BwuÚ[¡bYBT
=WS4ƒFJ
BwŒúLj - |Oµf‡xpÌ‰mza` Œ–cá]^ÍRT[BwŒúLj[abNL3
§JD4iK
BwŒ› A^ÍRT[BwŒ›Y[NBbCX3
«K@a$
BwŠÏüwpÌ ©Ã}DY)]^ÍRT[BwŠÏ[ÂbZBM
©K/9fJ;
Bw“‰mza`[Bw“S[–bYBP
CPDU@
BRU°iCÈAoiœ\øA^ÍRT[B©N[abPF4
§KAHjP
BRµ£½ühÖTwNÓrgò]^ÍRT[BRµ£½[abPD4
¤IKo,
BáfA^ÍRT[•TÔf[™b§6
>O6B…&D
÷CÝUuvA^ÍRT[÷CÝUuE[NBbDT5
«L<@^GD
÷Ð`O ×RwW‰A^ÍRT[÷Ð`O ×RwWS[™bYVT
BUP=Š7#
÷RªNÀa àä¨I¾[÷RªNÀa[abZBA
¥I8;mQ
÷Rý p~]^ÍRT[÷Rý p~[ÇbYPZ
HT4A›W"
÷R›ž]^ÍRT[÷R›ž[YCYDB
H[4.© :
{BjÜŽ‡A^šRK[{BjÜŽD[ób{3
¬L8B\A@
{B€]^ÍRT[{B€[™bJJ5
BPC(Š9X
{uvCm¯-„HCwFmza`]^ÍRT[{uvCm¯[Çbç5
FPL<—1.
{L­á /bH€lýsØ¼LD[{L­á[–bRS3
DPMX!#
{L­á / “OÝ§üwWpÌØ¼Lò[{L­á[–bRF4
DPKSW;
{L­á / “OÝ§]^²hK[{L­á[–bFX2
DPJ%V$
{L­á / ¢€NGBfîA^ÍRT[{L­á[–bYBW
DQ$)48
{L­á eTc×TIa`]^ÍRT[{L­á[–bYYC
DQ$P*
{LªNÓp~]^ÍRT[{LªNÓp~[–bFK4
EU1-
{¡€D’ / m‘'‰rgD[{¡€D’[abó4
¥I8@n+W
{¡€D’”‹]^ÍRT[{¡€D’”‹[NUbYCB
>c$;‡&/
{ðÿLø€¾R]^ÍRT[{ðÿLø€¾R[ÇbYBL
GOW!›..
{Mw£]^ÍRT[{Mw£[–bEQ3
DS 7ŽNX
{ÖgøÍR’]^ÍRT[{ÖgøÍR’[™bJP6
CYBB‹.
{Ìj p~]^šRK[{Ìj p~[™bþ2
@SL$‡0;
{NPx{U]^ÍRT[{NPx{U[ÂbCP6
­TP.cS@
{N\ÎA^ÍRT[{N\A[™bJR7
>QCJ„9
{ó ·R£A^ÍRT[{ó ·R£T[NUbYTE
°^+Nj=B
{RCwS‰A^ÍRT[{RCwSS[YCö4
IZ(9¤GS
{RDla]^ÍRT[{RDla[–bŽ6
DO'K,:
{m p~]^ÍRT[{m p~[abNX3
£OKr 
{RjÝûPp°]^ÍRT[{RjÝûPp°[abNR6
§K$,j%6
{Rïj]^ÍRT[{Rïj[™bJQ3
>ODF„/+
{RŸŒ‰A^ÍRT[{RŸŒS[Y°X4
I\$;¦(N
{RŸû(Ã¨H)]^ÍRT[{RŸN[¡bJS7
:O:O€T
{RTW€GHA^ÍRT[{RTW€GHT[NøCY{
®SFXW =
{lj­R]^ÍRT[{lj­R[ÇbYCG
EO/M“CU
{l\]^ÍRT[{l\[–bc2
DR+-UC
{p~]^ÍRT[{p~[abYAC
QIDyO:
{µAPâ`]^ÍRT[{µAPâ`[ÂbTF3
«N0Ga-#
{Yj ÎJØïeÓ¤ÊH]^ÍRT[{YjY[–bAJ7
DP9K
°Ï¤ø÷—vA^ÍRT[°Ï¤ø÷—E[™bJC4
@PN#ˆ;/
CFB”AÕTúLj[BAÕTúLj[ÂbYBG
ªN1PdYM
CFBb‡p~[L‡p~[–bY«
CT60Œ.J
CFB ºEs¿«[ºEs¿«[ýbYZX
«JY"^U
CFB TmÏa[TmÏa[abYTR
¦J%&k=G
uAšx]^ÍRT[uIÉåƒAU[ÂbYÆ
©OL1h=G
uAPjAU]^ÍRT[uAPjAU[abYLD
£MO*q2N
uAPŸûp~]^ÍRT[uAPŸûp~[Y°Z2
I^T¨.
uhjVOIX]^ÍRT[uhjVOIX[ÂbYML
ªMAQd+8
uh˜]^ÍRT[uh˜[NBbYþ
«MY9`1O
uh˜€¾R]^ÍRT[uh˜€¾R[™bJP9
CYB$‹&+
uh˜—Ú†ûA^ÍRT[uh˜—Ú†N[NøCu4
­RKTV$V
uh˜—Ú†ûA^ÍRT[uh˜—Ú†N[óbYYG
«L/6]%.
utÁM ~Ï]^ÍRT[utÁM-~Ï[abYŒ
£H05p"U
uŽDj]^ÍRT[uŽDj[–bFQ4
DQ!9C8
u•Tcrg‡ejA^ÍRT[u•Tcrg‡ejT[NUbYCS
¢]2OxIR
u•Tc®müK^KB rgò]^ÍRT[u•Tc®m[–bFX8
DQ <K%
uÚWYÌ]^ÍRT[uÚWYÌ[ÇbYCQ
GUG,—CC
uÔc A^ÍRT[uÔcY[ÂbYHR
­P:&YD*
ukO¨Iˆ / l-N\vA^ÍRT[ukO¨Iˆ[ÂbYRC
ªN=-e! 
uoKO p~üTSY˜‰šRî˜D’)]^ÍRT[uoKO p~[ÇbAG3
GQC@š&=
uoª›Œ]^ÍRT[uoª›Œ[ÇbYCW
FO'(—V2
unEWYf p~]^ÍRT[unEWYf p~[–bEG5
EVW';L
unŸûA^ÍRT[unŸN[NBbCS4
«L&U_T-
unŸûA^ÍRT[unŸN[–bFU3
DSIŽCY
ux„IBI]^ÍRT[ux„IBI[ÂbSU2
¨SN2lU
u€‰ÁDrg‡A^ÍRT[ÙRN[abYZR
£HYXp0>
u€leÎB„e]^ÍRT[u€leÎB„e[–bÐ2
DUA6O5
u€leÎp~[–bþ3
DUCHŒK"
u}uB€D’]^ÍRT[u}uB€D’[™bKV6
=QƒO
u}uoøA^ÍRT[u}uoL[¡bYYQ
œXJ3|!T
u}uoøöL½]^ÍRT[u}uoøöL½[NøCZÞ
®S?I^$5
u¨E-l-Èonó]^ÍRT[u¨E-l-Èonó[ÂbCP3
¨LEFi,H
C±h p~]^ÍRT[C±h p~[™bJW7
@X!)†; 
þhsúLj]^ÍRT[þhsúLj[NøCCZ3
¬N.;SU8
þh•LM eìl€`]^ÍRT[þh•LM[–bEJ4
DP/CN
þŽR›Tc]^ÍRT[þŽR›Tc[NBbDJ4
«LHN`OH
þŽR›Tc €¾R]^ÍRT[þŽR›Tc €¾R[–bFS8
EQY/‘+G
þeÝû/”jIBjR ¤ÊH[þeÝN[ÇbBR4
GQ.—G'
þUÐ p~]^ÍRT[þUÐ p~[™bJS3
CX5:‹<X
þY© €¾R]^ÍRT[þY© €¾R[NUbYCY
¹d;(b=
u¤‚]^ÍRT[u¤‚[abYCN
¥O$2oO
L‡p~ mza`]^ÍRT[L‡p~[–bs5
CT:EŒ.&
LªNG¿«]^ÍRT[LªNG¿«[abÅ3
¥J8Wn'<
Lªý”‹]^ÍRT[Lªý”‹[™bYKC
?X,(…FG
LúLj p~]^ÍRT[LúLj p~[ÏbEB3
Ja œ"Y
ŠX]^ÍRT[ŠX[ÇbYQQ
GOHEšS+
NKªû(jx®R)]^ÍRT[NKªN[–bÚ2
DUGI.J
ý\A^ÍRT[ý\T[–bFG3
CRŒK
“l†ûA^ÍRT[“l†N[abCT2
¥J,2mD2
¤øÁRÉ}]^ÍRT[¤øÁRÉ}[NUbYZS
ª^)Bq3@
RŸûA^²hK[Ù™tOa[™bJN5
AR ˆ9M
RN›Lømza`]^ÍRT[RN›LL[ÂbYCC
¨K#@h?N
w×TIa]^ÍRT[w×TIa[–bYCT
CR"<8H
RT• xpÌüÁýs]^rgò]^ÍRT[RT• xpÌ[ÇbCI9
GP+šY 
—ƒ]^ÍRT[—ƒ[abRB2
£H&6pE(
}Ts‹üSˆrgò]^ÍRT[}Ts‹[ÇbCS6
GOFW›$"
}Ts‹]^šRK[}Ts‹[ÇbAH3
GOFLšXU
Wj A^ÍRT[WjY[–bYYM
DOD)#D
C¤IîA^ÍRT[C¤IK[™bJC2
@Q!4‡P/
C¤NBw“ /bfôûwŒ¼‰A^ÍRT[C¤NBw“[ÇbYXC
EOBE‘LU
C¤WF\‡B‹]^ÍRT[C¤WF\‡B‹[Çbh2
EOF’O
Cmvp~üCál` ˜D’)]^ÍRT[Cmvp~[™b§8
AW9QˆJS
CwS‰p~üuhªvñÊp^iœ\L)]^ÍRT[CwS‰p~[¡bYCR
:TBDKE
CU NIM]^ÍRT[BpŒ DŠÌ[–bEH2
DPI3(J
CUD¿R|]^ÍRT[CUD¿R|[™b§3
@R;/‡KP
CUD¿R|idkn`]^ÍRT[CUD¿R|[™bJD2
@R;‡I
CÞÿRpÌÜOµvA^ÍRT[CÞÿRpÌÜOµE[™bJT4
>SW4„/S
C}€•ü¤Ì²€ãTvA^rgò[abm3
¤I!RnGT
C¨ KNIFvA^ÍRT[C¨ KNIFE[™bKU4
BRJ‹
ÒUÈe”h~R]^ÍRT[ÒUÈe[¡bYDN
<Q$!‚!%
ÒúDÃûMdkn`]^ÍRT[ÒúDÃN[™bJC3
@Q,R‡X@
Òúûp~]^ÍRT[Òúûp~[™bKW6
?VS…@Y
ÒWÃûC´ A^ÍRT[ÒWÃûC´Y[YCYÒ
H^ A©%G
ÒWÃûCm¯ü¦YeÓø¤ÊH)]^ÍRT[ÒWÃûCm¯[ÇbDC3
GUO(–9C
ÒWÃûCm¯]^ÍRT[ÒWÃûCm¯[ÇbYDQ
GUJ>–(Y
© jS£P‰p~]^ÍRT[© jS£P‰p~[abKF9
žPI!xG
© ¸Ïa Ã¨Hb`­á]^ÍRT[© ¸Ïa[–bEH4
DPO1O8
©„vp~]^ÍRT[©„vp~[ÇbYDL
IX72 U
©B©ûA^ÍRT[©B©N[™bKH3
AS=UˆS 
©ÿRA^ÍRT[©ÿRT[ýbCQ3
«K7%]9D
©ÉLA^ÍRT[©ÉLT[–bFG4
FU,”Y
©c p~]^ÍRT[©c p~[NøCYDF
¬O*EW5;
©c p~]^ÍRT[©c p~[abYVZ
›RE3|!G
©cH}l mÃRA^ÍRT[HdTÑoj[abDH1
¦K3-m'#
©øÉN´Î/ íÚlaveTc×TIa`]^ÍRT[©øÉN´A[–bEQ4
CNYUŽL@
©ª‚]^ÍRT[©ª‚[ÏbYWJ
I_*F™8(
©˜¤evA^ÍRT[©˜¤eE[¡bJJ4
<O' ‚<"
©LÜc´A’]^²hK[©L[Çby3
FO"E˜V:
©NÅ xpÌ]^ÍRT[ÿLp”gp[ÇbYJQ
GR&5ž!P
DúîA^ÍRT[DúK[ÏbDK2
D^<GŒ/2
D±B /]N×Íª‰mza`]^ÍRT[D±BY[ýbY‘
«J>K_M&
DeSŠm]^ÍRT[DeSŠm[™bKX5
AQ1P‰8/
·yÝWûA^ÍRT[·yÝWN[NBbì6
«L?'`#D
·±]^ÍRT[·±[–bFX3
GVW•=
·LÿAU pC-ÙeT-JŽûA^ÍRT[ÙeT-Fgk¼N[ÂbY·
ªNLIf4<
·×LDÃûA^ÍRT[æ—eIQ[ÂbTP9
°[EJg1/
·N‚Lï]^ÍRT[·N‚Lï[–bFM4
FUH@“#D
·m p~]^ÍRT[·m p~[™bJE2
ATC‰4Y
·åp‰p~]^ÍRT[·åp‰p~[Çb`3
FP'V–(/
·Wý G¬u]^ÍRT[·Wý G¬u[NBbDV2
«MK+a7@
·WýúEW]^ÍRT[ÝwÏO[abYZD
¥IJ?m9V
D¤YÝûãLj eìl€`]^ÍRT[D¤YÝûãLjY[–bc3
ES-WWB
DRÞHgjRidkn`]^ÍRT[DRÞHgjR[–bEG4
DQ;MŽJV
DRÞŠÌúLj]^ÍRT[DRÞŠÌúLj[Âbâ3
©KPIf5G
Dá©ûmza`]^ÍRT[Dá©N[abYHD
œOOTzJE
ì wuc-óR°üšÉK)]^ÍRT[ì wuc-óR°[ÂbTG3
¬N5^?R
ìÊf]^ÍRT[ìÊf[Çbƒ3
FNK.™HA
ìÌ`î(T€PPØ¼Lò[abTF4
¥J(:n0:
ìN­NNa[abDG3
¤IP)oB6
ìNNúLj]^ÍRT[ìNNúLj[abì9
¥HR2mAK
D¸GHA^ÍRT[abNF8
¦K0RlX3
ŽGjžƒüÃ¨H)]^ÍRT[ŽGjžƒ[–bGL4
GUF.“V(
ŽRØ`½]^ÍRT[ŽRØ`½[abYù
œPI"{5
ŽRLÝû(TIˆ™ƒeÓmza`)]^ÍRT[ŽRLÝN[abYXR
¦MGQmPP
Žl Õm äO]^šRK[Žl Õm[ýbCY4
«K%!]H(
Žl ªÏaü~RRØ¼Lò[abg3
¤JEFnVE
Žls‡A^ÍRT[ŽlsD[™bKK5
BO?ŠN
ŽlcúLj]^ÍRT[ŽlcúLj[¡bKM6
<S%N
ŽlŸe €¾R]^ÍRT[ŽlŸe €¾R[ÂbZœ
¨R+Al=3
ŽÝNügúvSˆ|)idkn`]^ÍRT[ŽÝN[™bJG2
BQ+&‹5A
äß`j A^ÍRT[äß`jY[ÇbBJ4
GQ,<—YD
Ëƒ]^ÍRT[Ëƒ[™bJU7
BS)$ŠM2
Ë·ÏsAJa / xK¨ßop’]^ÍRT[Ë·ÏsAJa[Çb÷2
IWPSŸY 
Ësãj]c«w®[Ësãj[abNV8
¥J8:mWL
ËŠÏa /b`ŸRüŸPjp‚ØhM)[–bMF2
ES)#J0
ËŠÏa /bO“eÓp~]^ÍRT[ËŠÏa[–bEZ3
DS7E$X
ËŠÏa / ­Réc]^ÍRT[ËŠÏa[–bFQ7
DS.T90
ËŠÏa / ÕYcØ¼LD[–bGF2
DS@AŽXU
ËŠÏa /êO£È÷RÓA^ÍRT[ËŠÏa[–bFB6
DSIG#*
ËŠÏa / T¸ûxpÌ]^šRK[ËŠÏa[–bEE6
DS:.',
ËŠÏa /ßoj‚U¾üw£Ø¼Lò[úLj‚U¾[–bRF3
ESDJN(
ËŠÏa /ßoj‚U¾]^ÍRT[Ùe`ÿRT[–bZVL
ESF!Q,
ËŠÏa eTc×TIa`]^ÍRT[ËŠÏa[–bYEG
DS0A@N
ËŠÏa/Š€NúLjüC}€vrgò[–bCF6
ESO)KE
ËŠÏa/Š€NúLjüˆ~'‰rgò[–b¶6
ESP+?N
ËMdDla]^ÍRT[ËMdDla[NBbY•
«M;8b:U
Ë¤]^ÍRT[Ë¤[–bÔ2
EWQ-
ËÃûA^ÍRT[ËÃN[–bYÚ
FS@J’9T
ËZO]^ÍRT[¤E[Ïbm2
G\L’# 
¯tI]^ÍRT[¯tI[ÏbYOA
D^GVŒBT
gEa\E[Âbg8
©RI$j"M
gîxpÌ]^ÍRT[gîxpÌ[¡bKZ3
›TF/|&I
gîp~]^ÍRT[gîp~[abó3
¥MIIn0W
gîÍeA^ÍRT[gîÍeT[–bEJ6
CSSAŒL1
gKebm¯ GU•¤ÊH]^ÍRT[gKebm¯[ÇbBL9
GQ<L™N,
gKO]^ÍRT[gKO[Çbÿ2
DO/‘'
gªOp~idkn`]^ÍRT[gªOp~[abYg
¤L3#p?G
gMH^l'‰mÃRA^ÍRT[~sE[abPS2
¦J-#l$8
gˆ¤üŽl)]^ÍRT[gˆ¤[abPG4
¤IA=n<J
gˆ¤]^ÍRT[gˆ¤[abÏ6
¤IA#nB)
œPmS‰A^ÍRT[œPmSS[–bYŽ
BPVŒM
œPmS‰è‚oø¢äT¤ scG A^ÍRT[œPmSS[–b¦2
BPFWŒ =
œë`vA^ÍRT[œë`E[ab×4
¦K?m3
sGjÁR(Ò¾'‰rgò[sGjÁRT[abDF3
¦MNAmNF
s×ÒI p~]^ÍRT[s×ÒI[NUbWJC
<[&‚T
ck§aidkn`]^ÍRT[ck§a[¡bKQ6
<P;XSR
cIîN¼½s í´ER£ eTc×TIa`]^ÍRT[í´ER£[YCYXY
IZHA¥"
•£X]^ÍRT[•£X[ab‚9
£H#KpRL
•TcÁZ A^ÍRT[•TcÁZY[™bJK4
=PD@„$
•TÔfüÃ¨H)]^ÍRT[•TÔf[™bKK4
>O 2„X@
•TÔf]^ÍRT[•TÔf[™bYs
>O*C„WX
•ÝûA^ÍRT[•ÝN[™bJR4
BQ&EŠKM
ÚHg]^ÍRT[ÚHg[abPD2
¤IJHo(B
E}¯ÎA^ÍRT[E}¯A[NUbYEU
ÀmYGsNQ
àÚc]^ÍRT[£XSˆ|[abSX7
¤I4Do<-
àP˜´‰ãLj ÉT¿«]^ÍRT[àP˜´‰ãLjY[NøCCP2
¬O!4U8R
ö^ŠÏÜO¢€NÛ]^ÍRT[ö^ŠÏÜO¢€NÛ[ÇbYCZ
EP1O‘R5
ö^úEW]^ÍRT[ö^úEW[–bEB5
GV"S”8$
öRNÁM]^ÍRT[öRNÁM[ÂbSN7
©K/&g:
öw]^ÍRT[öw[YCZö
I\*9£4@
FcGµüïOyvA^rgò[abPY9
¥IIIn.Y
FcGµüJUc’ýsØ¼Lò]^ÍRT[FcGµ[abPG7
¤IJ$n8P
FcGµüwYpÌØ¼Lò[abPR9
¥IJ<n5(
FcGµüV«h¯Ø¼Lò[abVF2
¥II6n/4
FcpÌ]^ÍRT[FcpÌ[™bJH4
AO8HˆUU
rLLŠm]^ÍRT[rLLŠm[™bKN5
>OR&…8H
rNp A^²hK[rNpY[ýbDH3
«IWJ_YE
rNpYÃûp~]^ÍRT[rNpYÃûp~[YCFT3
I[G; L8
ržc”¤ÊH]^ÍRT[ržc”¤ÊH[¡bKX4
:Q#;
¦eØ˜ûA^ÍRT[¦eØ˜N[¡bYFO
=TFGƒFU
¦\s°úLj]^ÍRT[¦\s°úLj[NBbCR3
«L7@aCG
FOÕ]^ÍRT[FOÕ[NøCDY3
¬OE9T,-
FaD-ì-pC]^ÍRT[FaD-ì-pC[™bZFD
BY2"‰(U
FaN’‰A^ÍRT[FaN’S[ÂbTU2
¬T?,e(6
Fa‰A^ÍRT[FaS[–bFK3
GWN•9
F\‡B‹]^ÍRT[F\‡B‹[ÏbÇ2
J` -šHT
F\D¸u]^ÍRT[F\D¸u[abÈ9
¤IS/nYI
F\œOl]^ÍRT[F\œOl[–bFD4
CO:Y;D
F\•T÷RÓA^ÍRT[F\•T÷RG[–bEF6
DR@;Ž# 
F\•TúLj]^ÍRT[F\•TúLj[ÂbYFE
«NJLc#P
F\`Bf A^ÍRT[F\`BfY[abYö
¦R*#oGO
F\unEWYf]^ÍRT[F\unEWYf[–bYPY
DXL %
F\c¼]^ÍRT[F\c¼[abNJ3
¥HU lW9
F\F¤Ê•idkn`]^ÍRT[F\F¤Ê•[abYAG
›NE-{85
F\Õ«ÜOó]^ÍRT[F\Õ«ÜOó[ÏbYGH
J`,9žE"
F\ºAÁ®]^ÍRT[F\ºAÁM[ÇbBW3
HV=/š:+
F\ó]^ÍRT[F\ó[abYFH
 Q?IuT:
F\pNGj A^ÍRT[F\pNGjY[ÇbBQ2
FO(!˜?0
F\ªh‡A^ÍRT[F\ªhD[ÏbYJF
IZ,'™:&
F\ŸŒ‹ /Ø^EBAG[SdR scG ñTE[–bFG6
DW.?ŒXB
F\ŸŒ‹ /Ü\IZa]^ÍRT[F\ŸŒ‹[–bYNR
DW4TH"
F\ŸŒ‹/`BûAc«w®[`BûúLp’[–b`4
DW+87&
F\ŸþE«ü`ŒØhM)]^ÍRT[F\ŸþE«[–bFM8
DOA0
F\ŸþE«]^ÍRT[F\ŸþE«[–bEY3
DOH7
F\èM}¤ / j’Ì]^rgD[–bLG7
EW)OŽSJ
F\èM}¤ /ioDm‡p~]^ÍRT[F\èM}¤Y[–bc4
DW!2@8
F\èM}¤ / N\| ªE’]^rgD[–bNL2
EW&(/6
F\èM}¤ / Ã¨H ªE’]^rgD[–b½3
EVOV#V
F\èM}¤ A^ÍRT[F\èM}¤Y[–bYMM
DVE*+1
F\èÈcÃûA^ÍRT[F\èÈcÃN[ÏbZFM
Ia69¤QF
F\‚½a]^ÍRT[F\‚½a[ÇbYYE
HXP)˜AO
F\Pwú©ÊvA^ÍRT[F\Pwú©ÊE[ÏbYJP
H[1(“B4
F\mÃ»TIa]^ÍRT[F\mÃ»TIa[ÏbYFR
F[(QG6
F\£¾RûA^ÍRT[F\£¾RN[abYc
¢V&uF@
F\ñðÃûA^ÍRT[F\ñðÃN[ÏbYFS
I[KC—,+
F\ñðÃûxpÌ]^ÍRT[F\ñðÃûxpÌ[ÏbÚ4
I[R—3X
F\Sˆ|]^ÍRT[F\Sˆ|[ÏbYSM
EZ+WI
F\lêƒ•]^ÍRT[F\l.êƒ•[ÇbYJM
HT5Pš-M
F\l.ê¥ûA^ÍRT[F\ÙeJ¥N[ÇbYXJ
GV,/–J6
F\¾Rˆªa]^ÍRT[F\¾Rˆªa[–bEZ4
FX6-‘W"
F\›m]^ÍRT[F\›m[ÇbAJ9
HW7D›E
FOXbm¯]^ÍRT[FOXbm¯[–bË4
FT4N’KX
FOXÜhÉ}]^ÍRT[FOXÜhÉ}[ýbFH4
«KR*]9F
FOX p~]^ÍRT[FOX p~[–bä3
FX:6>A
F¤£R p~]^ÍRT[F¤£R p~[ÇbBZ9
HTNšL#
Fm©€CÝûeTc×TIa`]^ÍRT[Fm©€CÝN[NBbYFC
«KR&`>,
F€sDžnØ¼LD[{RŸN[¡bJB2
:O;;€%
FwÏ¼R]^ÍRT[FwÏ¼R[™bJM5
AO(Š@
­HuO KUE[ÏbGK2
C]7Y‹)Y
­×NOÄvA^ÍRT[­×NOÄE[abNN8
§J6%j,E
­Ìc eTc×TIa`]^ÍRT[­Ìc[NøCYQX
¬NV+T@#
­NÓ¤ÊH]^ÍRT[­NÓ¤ÊH[Çb‹2
GQ?$˜1C
­R©û€¾R]^ÍRT[­R©û€¾R[–bFU4
FXHPR@
­¢v(ˆug-Í¬IOT)]^ÍRT[­¢E[ÂbYGP
¬NL=^:I
’\’ p~]c«w®[NUbº3
=_UG„9J
’¤LDÝûºEslavmza`]^ÍRT[’¤LDÝN[abYGQ
¡OLHtV4
zLÿRPpe‰A^ÍRT[zLÿRPpeS[¡bJH2
<Q&‚<
zLpM]^ÍRT[zLpM[¡bYGX
›V39|HD
zMª eìl€`²hîA^ÍRT[zMª[¡bYGM
:PCG B
GJOÎÁ¾ûA^ÍRT[GJOÎÁ¾N[NUbYHK
ŸbD&}PY
GpDlavA^ÍRT[GpDlaE[¡bJR5
;P'O€V?
GpSïûA^ÍRT[GpSïN[™bJE5
BS4DŠ2=
GjNÉw]^ÍRT[GjNÉw[¡bJJ2
;O?2
GjÌa]^ÍRT[GjÌa[–bFP5
CT.-"
Õ©€u]^ÍRT[Õ©€u[abYGD
¤ILoHD
ÕD‰p~]^ÍRT[ÕD‰p~[¡bJB6
œTLK{I
ÕD‰p~ ×RwW‰A^ÍRT[ÕD‰p~ ×RwWS[¡bYÕ
›T?>|;;
ÕD‰€¾R]^ÍRT[ÕD‰€¾R[¡bZz
›TP5|"I
ÕL©ûA^ÍRT[ÕL©N[ÇbY’
EQ/W’XU
Õ«Ão]^ÍRT[Õ«Ão[™bKF4
CT7‹+Y
ÕO£”‹]^ÍRT[ÕO£”‹[NøCYYR
®S1'Z7?
ÕO£ p~]c«w®[NUbÛ2
A_?(ˆ8
ÕR·ûrgD[F\‚½a[ÇbBL3
HXO˜LY
ÕR·ûp~]^ÍRT[ÕR·ûp~[–bFW2
DVCŒ<
Õm”‹if´O¬e]^ÍRT[Õm”‹[abYZE
£KS%p@"
ºf‡ÿÌ]^ÍRT[ºf‡ÿÌ[abPL4
¤I/+oHQ
ºf‡öL½]^ÍRT[ºf‡öL½[NBbŒ3
«M"<aG$
ºf‡F\§]^ÍRT[ºf‡F\§[ÇbZGF
EOV”7R
ºf‡Ÿ×ûA^ÍRT[ºf‡Ÿ×N[NBbCN2
«JHN`MM
ºf‡¤P‘‰A^ÍRT[ºf‡¤P‘S[¡bJV8
;S(315
ºf‡ãLj (BpŒØ¼Lò[abGV5
¥IQBn/1
ºf‡ãLj (ŸRTeØ¼Lò[abGV6
¥IR<n.W
ºf‡ãLj / »|cØ¼LD[abGV2
¥IXAn5%
ºf©]^ÍRT[ºf©[–bö5
DV0Ž+Y
ºf©bAuvA^ÍRT[ºf©bAuE[–bEQ5
FSU”R8
ºf©²¤^¼]^ÍRT[ºf©²¤^¼[–bYÄ
GU(M”S$
ºf©S-ÿR’wN‚‰A^ÍRT[ºf©S-ÿR’wN‚S[Âb|3
«N+Vc>@
ºfA^ÍRT[l-Ÿ|S[ÂbSX5
©K:1g)X
ºA¾LÉ}ÓA^ÍRT[ºA¾LÉ}G[™bJM4
@OQXˆ@.
ºŽÿh p~]^ÍRT[ºŽÿh p~[ÏbÐ4
I`H)•H7
ºEs p~]^ÍRT[ºEs p~[ÇbBG2
FQ7L—*B
ºEsBfîA^ÍRT[ºEsBfK[abNP8
¥J&mM
ºsFgøA^ÍRT[ºsFgL[™bKU6
>P7'„V$
ºIÖB A^šRK[ºIÖBY[abNZ8
¥I'BmAW
ºIÖÁW]^ÍRT[ºIÖÁW[–bFD5
GV)L“C=
ºxvr\‡A^ÍRT[ºxvr\D[NUbYGZ
»j7@pT?
ºxp~]^ÍRT[ºxp~[–bFY2
CU6Œ:Y
GUgÈ]^ÍRT[GUgÈ[abÊ4
¥I?Pn)L
G¬øp~]^ÍRT[G¬øp~[™bJK5
AP!:Š;6
GdxAO p~]^ÍRT[GdxAO p~[¡bJK2
9S=*~4.
ÁÐ\‡A^ÍRT[ÁÐ\D[™bJC6
ARIV‰48
Áe•êdCTIa]^ÍRT[Áe•êdCTIa[YCYHT
HZM3§>L
ÁªöX wÿRL. lfrg‡eTc×TIa`]^ÍRT[ÁªöX[ýbYHZ
«JRQ]<=
ÁLøÿAu]^ÍRT[ÁLøÿAu[NUbYUX
±bL@o,C
Á¡}ÓA^ÍRT[AšuE[–bFM5
GW31•KU
ÁNj A^ÍRT[ÁNjY[™bKJ4
@QC9ˆ8=
ÁN×]^ÍRT[ÁN×[–bg4
CQCST,
ÁNO¾R / ÙåEsidkn`]^ÍRT[ÁNO¾R[abYHS
¤J'<o!L
ÁRÉ} ºA°]^ÍRT[ÁRÉ} ºA°[NøuG2
«MG&S-,
ÁRDxq]^ÍRT[ÁRDxq[–bŽ5
CRDO5 
ÁRwW]^ÍRT[ÁRwW[abGL2
£H!@pP9
ÁRéE A^ÍRT[ÁRéEY[¡bKT5
<O9‚?
ÁTuÚ p~]^ÍRT[ÁTuÚ p~[™bJL2
?XEK…>/
Á¾˜Œ]^ÍRT[Á¾˜Œ[NBbCS5
«KY)_0%
ÁVm l²¼Rm]^ÍRT[ÁVm l-P¼Rm[ÂbYGV
­P.U]BG
ÁW~³} (Žl)]^ÍRT[ÁW~³}Y[abPG5
¨K@Xh>V
ÁW~³} (¸ÌO¾RØ¼Lò]^ÍRT[ÁW~³}Y[abPD8
¨K?RhNA
ÁW~³} A^ÍRT[ÁW~³}Y[abNV4
¨KChE
Á €¾R /icïû{RTc]^ÍRT[Á €¾R[ÏbYHY
GZP5‘LY
ÁY•bƒP]c«w®[NUbHC5
£`E2y>H
HŽRl m‚ØaevMdkn`]^ÍRT[HŽRl[abYHF
£OHQqG(
Hg®A^ÍRT[Hg®T[ÇbBH2
HY7?–MS
H•ów]^ÍRT[H•ów[–bFB3
ER09P
H±H j¾øA^ÍRT[H±H j¾L[–bYOJ
GXC/“'T
H±H²¤^¼]^ÍRT[H±H²¤^¼[–bZHP
FU5C’:<
H±H €¾R]^ÍRT[H±H €¾R[–bs4
DP>OY
H±H­Tv(Ã¨H)[abHS3
£H:7oO1
H±H­TvA^ÍRT[H±H­TE[ab×2
£H?.oN)
H±H¿«]^ÍRT[© ¸Ïa[–bË6
DPN%S2
HeÝû/ sT¤ÊvA^ÍRT[HeÝN[–bEE4
FS4S“H"
HeÝû/ê„óR-HeÝûA^ÍRT[HeÝN[–bä4
FS1'“K)
LpÌ pÌeÓA^šRK[LpÌ pÌeG[abp4
¥J#4m;H
®¿«]^ÍRT[®¿«[¡bJT8
:O<?Q 
ó]^ÍRT[ó[ÇbYHE
FO4$—;S
óÒj]^ÍRT[óÒj[NøCY
¯U8TZ+I
R‚šY‚idkn`]^ÍRT[R‚šY‚[abYHN
£O)ArK>
µÝûA^ÍRT[µÝN[Çbƒ5
HT83œLJ
HUDÃûB‹]^ÍRT[HUDÃûB‹[™bYHB
>RO„0F
HUDÃýÜOó]^ÍRT[HUDÃN'‰ó[ÇbYNH
HV &—X@
HÞÉLDA^ÍRT[HÞÉLDT[™bJU4
@R(@‡%C
H}a]^ÍRT[ˆDpÌ[abYEE
¥JGmUH
HYpÌ]^ÍRT[HYpÌ[YCFT5
I[=8ž.&
±˜IîA^ÍRT[±˜IK[NUbYÀ
±c3SoNX
±×°idkn`]^ÍRT[±×°[abZUC
O7MyI"
ovAUXbOUDm‰A^ÍRT[ovAUXbOUDmS[Âb3
ªM54d5"
oE-A-p-CwS£]^ÍRT[oE-A-p-CwS£[™bJF3
BU;5‰UN
oE-AUX-ºU•]^ÍRT[oE-AUX-ºU•[Âbž2
ªM".d=X
o•-©-p-Ÿ©jevA^ÍRT[o•-©-p-Ÿ©jeE[ÂbYº
¬M7;[LG
oF\‡A^ÍRT[oF\D[¡bZBD
8V!G}BP
IðcøA^ÍRT[IðcL[™bKU5
@Q3‡6
e’NIæ]^ÍRT[e’NIæ[ÇbAP6
HVM8šSO
eNxöo]^ÍRT[eNxöo[–bœ4
DR"IC
eUKJUy]^ÍRT[eUKJUy[ÂbYÈ
«X:1l"C
eUúî(ˆ~ ZUBKO)]^ÍRT[eUúK[ÏbYÔ
Ib0-£:Y
e¾R®m]^ÍRT[e¾R®m[ÇbAA8
EP=’
IQ`U´]^ÍRT[IQ`U´[NUbYFB
³]K5b?3
^Ÿ]^ÍRT[^Ÿ[–bFU8
CRTJ(8
^OÄOx]^ÍRT[^OÄOx[abNP7
¨JP>i0G
^OÄOxØ`½]^ÍRT[^OÄOxØ`½[ab‚4
¥NJ<nMB
xpÌ p~]^ÍRT[xpÌ p~[¡bYIV
›SQ8|E+
´dÎA^ÍRT[´dA[™bJM2
>Q&L…7@
IVUJIúîA^ÍRT[IVUJIúK[ÂbYIK
®\7 kU=
õ®‰T.Ø¼L‡®Š€`]c«w®[°Ï¤ªA[abY°
¤I/&o<<
õûp~]^ÍRT[õûp~[™bKM4
>TOQ„M2
õNúc]^ÍRT[õNúc[–bEP5
DUTŒIY
õ¢c]^ÍRT[õ¢c[–bYõ
FRYN”!>
JŽûp~]^ÍRT[JŽûp~[–bÐ3
EW;RY
JŽûŸ€v€¾R]^ÍRT[JŽûŸ€v€¾R[ÏbÚ9
H[=–C
JsóÓA^ÍRT[JsóG[¡bZJG
:T=&€ L
J¥ûC.idwÜƒoÝûeTc×TIa`]^ÍRT[ÁˆLÝN[abYHM
¥I(7mV$
J¥ûD'\²¤^¼]^ÍRT[J¥ûD'\²¤^¼[–bFG5
FX;;‘&/
J¥ýa p~]^ÍRT[J¥ýa p~[–b¦9
DW@Œ1
J¼—vA^ÍRT[J¼—E[ÂbSG3
©L Hg<$
Jdnc]^ÍRT[Jdnc[NBb°3
«L?La($
ææÿæØ`½]^ÍRT[ææÿæØ`½[abKG8
žN7$wB%
æM˜OP‰A^ÍRT[æM˜OPS[ÇbYæ
FPH&–8D
æÖAŒ]^ÍRT[æÖAŒ[™bJN2
=Q?AƒRJ
æ×›]cOšRC]^ÍRT[æ×›[ÂbSJ2
©MAGh&
æNzQSU`UJJUAQü’\’‰€¾R)]^ÍRT[æNzQSU`UJJUAQ[ÂbY»
°XHG_Y@
æNzQSUJUAQü›~ÁM”‹)]^ÍRT[æNzQSUJUAQ[ÂbYKG
°[A1eUL
æNzRSUîA^ÍRT[æNzRSUK[ÂbY„
°ZDcYW
æPµæñNÓA^ÍRT[æPµæñNG[abYYU
¤O6Pp:!
æR‰/ €©AUß`j A^²hK[æRS[abPL3
¨K$)iCG
æÙÉNIæ]^ÍRT[æÙÉNIæ[abYAQ
 S=;vD@
æ³Îp~]^ÍRT[æ³Îp~[ÏbJL8
>Z/=„<%
æžäHE›ûA^ÍRT[æžäHE›N[abZ~
¦R.WoFF
æS˜]^ÍRT[æS˜[ÇbBR2
EOT+’V$
~E›Y¸ûA^ÍRT[~E›Y¸N[abPV8
œRY:zP)
~­™ÎA^ÍRT[~­™A[ÂbTK6
­P)K[-W
~˜W×]^ÍRT[~˜W×[ÇbYLW
FOW4•4G
~½E A^ÍRT[~½EY[¡bZEE
9V -~<A
~LúNÀa]^ÍRT[~LúNÀa[™bKV2
?R&…>$
~®S‰Cm¯]^ÍRT[~®S‰Cm¯[ÇbBQ7
HVX:œJ:
~N\ÎA^ÍRT[~N\A[abYQK
›OM0|3M
~RwÿRA^ÍRT[~RwÿRT[™bJP2
BQUC‹%J
~ p~]^ÍRT[~ p~[™bYKJ
@W-4‡C#
KopM-£D’¸Œ]^ÍRT[KopM[–b¯6
DRNL
KopR‚ A^ÍRT[KopR‚Y[abPT2
¤KXEo;G
KopR‚ Mdkn`]^ÍRT[KopR‚Y[¡bJS5
<O'$G7
KIMˆR¨]^ÍRT[KIMˆR¨[NUbYLC
²\QcS
Ke{RDevA^ÍRT[Ke{RDeE[abý7
¤J*#oB6
Ke©RSj A^ÍRT[Ke©RSjY[™bYKY
BQ=!‹(R
KeÓ’\’]^šRK[S}mY[Çb™8
FO#H˜O&
KeGržc p~]^ÍRT[KeGržc p~[abNM5
ŸSKwQ1
KeÛÝûA^ÍRT[KeÛÝN[abYGK
§J+=jAO
KnªNÓA^ÍRT[KnªNG[™bKD5
>P#W„B7
K^B p~]^ÍRT[K^B p~[–bRL4
CU32ŒD+
K^Krg‡/”`ÙM p~]^rgD[abKD8
¦J>6lS3
K^KpÌ p~]^ÍRT[K^KpÌ p~[abYKX
¦N*CmXS
K´usc / ›Tc˜O]^ÍRT[›Tc˜O[abYKF
¤I9En4I
K´IŸA^ÍRT[K´IŸT[ÇbBW2
HT'Pž@R
K‚vp~]^ÍRT[K‚vp~[¡bJT3
›TTU|MS
KåAhUîA^ÍRT[KåAhUK[NUbYBB
§b>"wN;
Kå»KTUîA^ÍRT[Kå»KTUK[NUbY
GaO‘&D
KUUJJUAQ]^ÍRT[KUUJJUAQ[ÂbYVP
¯X#Lb7C
KUUJJUhAPIîA^ÍRT[KUUJJUhAPIK[ÂbYGW
ªU.UkKU
KYj]^ÍRT[KYj[™bJB8
APPŠ"*
L'„ÃðTIa]^ÍRT[L'„ÃðTIa[Âbp2
©KO5g9D
p”kHv€¾R]^ÍRT[p”kHv€¾R[YCFP6
IZ%Kš V
pbmTvA^ÍRT[pbmTE[–bFN5
GX(4’2/
p ºf© €úcvA^ÍRT[¤DxÃN[ÂbYGL
©SC=kH-
p ºf©-3]^ÍRT[p ºf©-3[ÂbYô
ªS@0j)M
p ºf©-4]^ÍRT[p ºf©-4[ÂbYAH
«SK/gF=
p ˜uvA^ÍRT[p ˜uE[™bJL4
CV:6‹6,
piA{ZÎ/iaT-Tm¡pÏ eTc×TIa` eC]^ÍRT[€úcvwåE[ÂbYFJ
¨L6@hLN
p wŸevA^ÍRT[p wŸeE[Âb—5
­P-AZFL
p wN’üBhÿRØ¼Lò]^ÍRT[p wN’[™bYVC
@U'#‡-I
p ÙRm]^ÍRT[p ÙRm[ÂbSR8
¦NU m(I
p Bt¼m]^ÍRT[p Bt¼m[ÂbTU5
­POQXX>
p TUÄvA^ÍRT[p TUÄE[ÂbYLQ
©M6AfM2
pC] p²cuAU©]^ÍRT[pC] p²cuAU©[ÂbTE5
©LC3fPT
pC] p ÝRTUvA^ÍRT[pC-A-p-ÝRTUE[ÂbSL3
©LC0fCO
pC]zjüŸâOUuE)]^ÍRT[pC]zj[ÂbÙ2
©KM=gD/
pC”wuÚ]^ÍRT[pC”wuÚ[¡bZí
=XC!ƒ:&
pC ì”a‚A^ÍRT[pC ì”a‚T[¡bYAX
9P/F~B
pC Úuœe]^ÍRT[pC Úuœe[Âbâ5
ªL68d<#
pC p”kHvA^ÍRT[pC p”kHE[–bYLB
DTL+ŽU
pC-A-p-ÝRTUv(›Tc]c«w®)]^ÍRT[pC-A-p-ÝRTUE[ÂbSU7
©LCfC?
pu¨vA^ÍRT[pu¨E[Âb£4
¨KD4h4,
p¡vA^ÍRT[p¡E[–bEG3
DR;0HI
pðŸûA^ÍRT[pðŸN[™bJQ2
>O4„L
pÊ„Tc]^šRK[BAeÑoj[abp6
¨K*h3F
pNGj A^ÍRT[pNGjY[ÇbYNJ
FO$!˜CR
pN±f]^ÍRT[pN±f[™bKC6
@QPI†Y=
pý·W‚ÜOµvA^ÍRT[pý·W‚ÜOµE[abYLH
¡R)JuV!
p}g / í´TeÀa[abLW3
¥IXKn(D
p}¼ €¾R]^ÍRT[p}¼ €¾R[¡bJC8
=V,Uƒ0,
jôc]^ÍRT[jôc[™bJD5
BPRD‹<"
jAF ¤P‘‰A^ÍRT[jAF ¤P‘S[¡bYLR
<V<NY%
jƒeÀa]^ÍRT[jƒeÀa[abLM2
£H<p=<
j„îA^ÍRT[j„K[™bJH8
ASˆK
jÿL-S}-ÄÔo˜ûA^ÍRT[jÿL-S}-ÄÔo˜N[Âbž4
¨OOk 
jFw A^ÍRT[jFwY[abPQ4
¥J/=m>P
j¡cÓA^ÍRT[j¡cG[™bKJ9
>PH>…)O
jOúLj]^ÍRT[jOúLj[™bJT9
ASC,‰B>
j|B€D’ü®R°RØ¼Lò[–bMF3
CO?/Ž?H
j|B€D’ /]ÌcÃûrgD[j|B€D’[–bp5
COE7ŽL4
j|B€D’ /ê3]^rgD[–bLJ3
COJ<ŽJ0
j|B€D’]^ÍRT[j|B€D’[–bYQL
COCOŽN
jWãû(öRR l€P)]^ÍRT[jWãN[™bLW2
?OY$†$T
ªE’ /bNRøA^ÍRT[ªE’[–bLG3
EW%)D
ª~ï]^ÍRT[ª~ï[ÇbAX5
GRC—<
ªL˜OÚ]^ÍRT[ªL˜OÚ[ÇbYª
FPF;—SD
ªÌÙ A^ÍRT[ªÌÙY[abNF4
¦J3SlM 
ªl†g]^ÍRT[ªl†g[abPN5
¤IJ@nY;
ª—j”ŽR p~]^ÍRT[ª—j”ŽR p~[™bKL6
@T/=†F.
ª—jbH}uoø€¾R / ìN˜P'‰¦Y-e ˜D’]^ÍRT[ª—jbH}uoø€¾R[¡bJN7
8V@N~,Q
ª—j ºf‡¤P‘‰A^ÍRT[ª—j ºf‡¤P‘S[¡bZº
8R J}9W
ª¾RÍ Ã¨H ž\vmza`]^ÍRT[ª¾RÍ[ýbYAU
«J+O^Q4
L˜YDˆýTc]^ÍRT[L˜YDˆýTc[–bYLL
CS0?Œ"5
˜Ìa /bÁó™¼Ø¼LD[˜Ìa[abLC2
¤I"$o%>
˜Ìa]^ÍRT[˜Ìa[abYXU
¤I &o',
˜a p~]^ÍRT[˜a p~[™bJW3
BT$‹&$
˜a €¾R]^ÍRT[˜a €¾R[–bFS6
FW&=‘"<
˜UxvMdkn`]^ÍRT[Cál`b´Y-PoOŠdD[¡bKZ6
;O&P€RQ
˜UxÔoj]^ÍRT[˜UxÔoj[ÂbSJ4
©L,LfT.
˜}©‰©”pÊ ÙB˜ûA^ÍRT[˜}©S-©-BpÊ-ÙB˜N[ÂbYBX
­Q8CW)%
˜}©S-©-J¼—vA^ÍRT[˜}©S-©-J¼—E[Âb£3
©L$@g9(
˜¹R Žl²UBNkOüpØ¼Lò]^ÍRT[˜¹R Žl²UBNkO[ýbj4
«IC2_KI
»{ûA^ÍRT[»{N[abPS4
¤I'No6K
»ŒN†]^šRK[»ŒN†[abLK3
¤IX"o;B
»Œ p~]^ÍRT[»Œ p~[™bKQ5
APYE‰%R
»Ö©û(Ld)]^ÍRT[»Ö©N[™bKH8
?PF!†M2
»Ìh]^ÍRT[»Ìh[¡bKR4
:PH*€!6
»£pÌ]^ÍRT[»£pÌ[™bJR2
BR"*‹48
»T£LK'vA^ÍRT[»T£LK'E[ÏbYLK
D\7$ŒFU
ïNûp~]^ÍRT[ïNûp~[¡bYYL
=VQPƒ"@
Ÿÿøp~]^ÍRT[Ÿÿøp~[ÇbBF9
FPB>”IR
ŸC·×L‡A^ÍRT[ŸC·×LD[¡bJU3
;P#M€<!
ŸCºEÕR]^ÍRT[ŸCºEÕR[¡bKF6
;OX€K
ŸŒsZ¼]^ÍRT[ŸŒsZ¼[ÇbYZY
HU0.™%U
ŸŒªûA^ÍRT[ŸŒªN[™bJJ8
CR2@‹U&
ŸCˆLpûšS‰A^ÍRT[ŸCˆLpûšSS[YCFC4
J](R *%
Ÿ‘lavA^ÍRT[Ÿ‘laE[™bJH3
BS#F‹1<
ŸKKOúîA^ÍRT[ŸKKOúK[NøCYFT
¯U"CY))
ŸLLM xpÌ]^ÍRT[ŸLLM xpÌ[™bJS2
>VVX„,2
ŸNk-5[Âb¶5
¬PE:bOR
ŸN´OU]^ÍRT[ŸN´OU[¡bKG5
;O-€>
ŸN´O¬e Žlidkn`]^ÍRT[ŸN´†feG[abYœ
¤KP@oQ;
ŸN´OU›D’]^ÍRT[ŸN´OU›D’[abYMG
¢O# sQD
ŸNI›KI]^ÍRT[ŸNI›KI[ÂbYMW
¨L.4iY8
ŸNNeÓA^ÍRT[ŸNNeG[–bFX4
GVW!“DD
Ÿýrg‡A^ÍRT[ŸýrgD[abPV4
¥J&DnO
ŸýaúLj]^ÍRT[ŸýaúLj[Âb™4
©KAf6%
ŸPjbm¯]^ÍRT[ŸPjbm¯[™bJQ4
BOSK‹:<
Ÿ¤|a]^ÍRT[Ÿ¤|a[abY¢
¡NK1t2F
ŸmîöRÖ]^ÍRT[ŸmîöRÖ[–bÐ9
DSSŽLG
ŸR­mvA^ÍRT[ŸR­mE[ýbCZ4
¬L2:ZXM
ŸR­mp~]^ÍRT[ŸR­mp~[–bFV6
FXVK‘-6
ŸRKÁM]^ÍRT[ÝwÏO[abNU8
¥IV'm-J
Ÿá'‰ÁRÉ}]^ÍRT[Ÿá'‰ÁRÉ}[NøCYMH
­R0(UPP
ŸS£A^ÍRT[ŸS£T[ÇbZÆ
HTE¢%<
Ÿ­ˆ]^ÍRT[Ÿ­ˆ[ÂbYNM
§OKHkN(
Ÿ‚]^ÍRT[Ÿ‚[ÂbY®
«NQ7a9*
Ÿ›Tuf[abMW3
§K'Rk#J
Ÿ|•a xpÌ]^ÍRT[Ÿ|•a xpÌ[¡bJT2
9QIV~V"
ŸÝµH]^ÍRT[ÂbRS7
«QT0f%8
Ÿ—A›]^ÍRT[Ÿ—A›[abŸ2
¦L/YlJR
ŸYc|\ó]^ÍRT[ŸYc|\ó[–bÔ5
ESV-‘(J
ŸYO]^ÍRT[ŸYO[YCYŸ
I]BY¥R#
èh|} €¾R]^ÍRT[èh|} €¾R[™bKQ8
@WL!‡8
èB€©]^ÍRT[èB€©[ÇbAV4
GS0T–(.
èCmh A^ÍRT[èCmhY[¡bJR8
<PKS;N
èÄ•Ts]^ÍRT[èÄ•Ts[YCFP4
I]B§@
®ô† p~]^ÍRT[®ô† p~[™bYLJ
BT%=Š=5
®ô†BfîA^ÍRT[®ô†BfîÕL‡ˆ‚[NUb¡2
œ_;~"%
®DkevÁA^ÍRT[®DkevÁT[–bYXH
CP&ŒI.
®LÉ}‚]^ÍRT[®LÉ}‚[abNM2
¤HO9o>U
®LF\A^ÍRT[®LF\T[™bJZ3
?RR†H
®ª]^ÍRT[®ª[¡bJT5
=O-HƒP
®LúLjidkn`]^ÍRT[®LúLj[™bJV9
>PV;„J/
®R€—]^ÍRT[®R€—[Çbô5
FP%4–JO
ˆD› A^ÍRT[ˆD›Y[ÇbBM6
EOB”M6
ˆj 422ü`„æÜ±H›Y)]^ÍRT[Ýô €¾R[ÇbBK7
IXPX›,6
ˆLî€¾RüŸD’)]^ÍRT[ˆLî€¾R[–bFQ3
CO&GŽ# 
ˆLî€¾R]^ÍRT[ˆLî€¾R[–bEW5
CO&Ž!
ˆˆNxæ]^ÍRT[ˆˆNxæ[abPS5
 QB.v@V
ˆN‚·Ù]^ÍRT[ˆN‚·Ù[¡bJU5
<P.1KM
ˆÏO[YC¶4
I\B/§+1
ˆ¤ˆuI]^ÍRT[ˆ¤ˆuI[NBbYu
«M:_8W
ŠBo”xTuO]^ÍRT[ŠBo”xTuO[–bFV3
HY:;•4
Š½a p~]^ÍRT[Š½a p~[¡bKJ8
9T-;F
ŠÊÝû/ ºŽTciaCÝûeTc×TIa`]^ÍRT[ŠÊÝN[NBbYQM
«L$J^FI
ŠÊÝû/i°¹ûA^ÍRT[ŠÊÝN[NBbCG4
«L',^L%
ŠÏ p}¼R]^ÍRT[ŠÏ-p}¼R[Âbë4
¨L?Ri@F
ŠÏ-JI]^ÍRT[ŠÏê¼[ÂbYYY
«NB=b*;
ŠÏŸGÅ]^ÍRT[ŠÏŸGÅ[Âb£5
ªM#d<W
ŠÏm`üˆ¤ÿL)]^ÍRT[ˆ¤ÿL[ÂbYMX
¨KFLh 1
ŠÏm` /]cOšRC ovóRwT[ŠÏm`[Âb¢6
¨K4@gT8
ŠÏm` / j‰°Dm‰A^ÍRT[ŠÏm`[ÂbSS3
¨K2Qh"B
ŠÏm` /i„UuvA^ÍRT[ŠÏm`[Âb™3
©KI%gAS
ŠÏm` / l-HUÿRA^ÍRT[˜NGUEUo[ÂbYHU
©K=!g7
ŠÏm` / l-pZhvA^ÍRT[ŠÏm`[Âbl3
¨K57h& 
ŠÏm`-P¼Rm gªO— TRU©AU eTc×TIa`]^ÍRT[·RãL[ÂbY¬
¨K:,gJ9
ŠO£êAW]^ßkvŸRž`b.i.i°¹ûA^ÍRT[ŠO£êAW[™bYMJ
@P1O‡?>
ŠO£êAWidkn`]^ÍRT[ŠO£êAW[™bJS4
@P8!‡5+
ŠO£ p~ü˜D’)]^ÍRT[ŠO£ p~[Çb„2
GS"6›6>
ŠOÃˆûA^ÍRT[ŠOÃˆN[™bJB5
=P(%ƒDD
ŠOÃ‚vA^ÍRT[ŠOÃ‚E[abYŠ
¦Q/:nB:
ŠR©ûA^ÍRT[ŠR©N[¡bõ3
:O*C€!?
ŠR€³}ÓA^ÍRT[ŠR€³}G[abý8
¨JVOi"E
ŠdPj„fA^ÍRT[ŠdPj„fT[ób°2
«LB^
M¬vCm¯]^ÍRT[M¬vCm¯[ÇbBS4
HYM&¦@Y
Mµ~ÓÝ¹R]^ÍRT[Mµ~ÓÝ¹R[–bFW4
DW&-ŒSA
MµK“ÎA^ÍRT[MµK“A[abYQA
¥JX;m0*
MµK¤ÒM]^ÍRT[MµK¤ÒM[abZMD
S8;yKL
×ÁNNI”¨TvA^ÍRT[×ÁNNI”¨TE[ÏbBD6
I[M™52
×kƒ]^ÍRT[×kƒ[™bJR9
?R6G†; 
×e]^ÍRT[×e[NøCYDP
¯V>W[FO
×KeÎA^ÍRT[×KeA[abYQN
¡P(XtGM
×KµP]^ÍRT[×KµP[ÇbAQ5
EP-Y“NM
×ðÎ/ÜOŒEY[–bNP6
FUTT“&(
×M} p~]^ÍRT[×M} p~[–bFB5
EW5ŽN
××IŠ]^ÍRT[××IŠ[ÇbYCD
FO!&™R*
×žÄf]^ÍRT[×žÄf[ÂbY×
­P)6[M3
×TU„HxH]^ÍRT[×TU„HxH[NøCNH2
¯UTP[)"
‚Eš›]^ÍRT[‚Eš›[¡bJV5
<P+X<D
‚o÷RÓA^ÍRT[‚o÷RG[™bJV2
CROS‹D6
‚õNoeI p~]^ÍRT[‚õNoeI p~[¡bYNN
9Y;-LO
‚K¹A­”‹]^ÍRT[‚K¹A­”‹[™bKN8
?WJ?…VH
‚½a]^ÍRT[‚½a[ÇbZNL
EO;E“0"
‚ˆâAU]^ÍRT[‚ˆâAU[ÂbYHH
©QG:j&&
‚l\Ø`½]^ÍRT[‚l\Ø`½[abõ5
›O&7{U
N­¤ Ã¨H]^ÍRT[N­¤Ø`½[abNF9
¥HYXm!O
NnA¸ûA^ÍRT[NnA¸N[™bY÷
?S1W†;
NIXa]^ÍRT[NIXa[abNX8
¤HPQn5I
NOÿø/ »Ö©ûA^²hK[abNL7
¥K6<n"G
N\Ÿû¹L½]^ÍRT[N\Ÿû¹L½[ÏbYVQ
J_.TœMS
N\|”tTjF\‡A^ÍRT[N\|”tTjF\D[™bYQW
BRL'Š,D
N\|”‹]^ÍRT[N\|”‹[abYYB
¦L3Om74
N\| OF ñXq]^ÍRT[OBm p~[ÏbKV4
>Z0Y…%J
N\| £` €¾R]^ÍRT[N\| £` €¾R[¡bEG8
<XX(X<
N\| ¢^´ p~]^ÍRT[N\| ¢^´ p~[abKQ3
œR;6zX.
N\› µvA^ÍRT[N\› µE[¡bY‚
:SW<PE
NUgTe p~]^ÍRT[NUgTe p~[¡bNL9
<YH;‚%C
OyÜƒŠŒ]^²hK[OyÜƒŠŒ[¡bAV9
:P&.!G
«•Ù / l¤WÿRá p~‰A^l€P[Ä'APóLj[™bSL7
?P3R…J9
OzLúv€¾R]^ÍRT[OzLúv€¾R[YCFS4
I_F¨%
OÕKI²Ol]^ÍRT[OÕKI²Ol[abÏ3
¢QE=sT$
‡CwW]^ÍRT[‡CwW[YCYOC
Ha@,©P2
D‰(‚Ý“)]^ÍRT[DS[–bFK6
DQQ"
D‰/ N\| 40 ¤ÊH]^l€P[–bq4
DQT&R
DS-D‘³} A^ÍRT[DS-D‘³}Y[–bŽ3
DQHI$7
I¾R]^ÍRT[I¾R[ÇbAU3
FO(6•?"
avHdDm‡ˆjÜOµvA^ÍRT[avHdDm‡ˆjÜOµE[ÇbAV3
GQD?—07
OšPIˆ™f p~]^ÍRT[OšPIˆ™f p~[abKM8
ŸRB6x4C
\f’úLj /”RdDjØ¼LD[abOB4
¥IR:n(N
\f’úLj / p}g]^l€P[\f’úLj[ab2
¥IUn*3
\f’úLj /i}¤ ¹Sj KOrgD[\f’úLj[abPV2
¥IW=n'0
\oªÎA^ÍRT[\oªA[abNJ4
¥JFFm0C
\Ýû/ Sˆ|Ø¼LD[\ÝN[abPS7
¥IL=n+G
OžA›]^ÍRT[OžA›[abYOO
¥IU4lSH
OÃYOO‰A^ÍRT[OÃYOOS[ÇbBB9
FO ,•;2
O¢Iæ]^ÍRT[O¢Iæ[ÇbBA9
HV.<š!%
Olc­RD'‰A^ÍRT[DRÞHgjR[–b·2
DQ/FŽBP
O—A› /bhP]^ÍRT[{RP[abYRP
§K1'j2
O—A› /b„£LŸû(žŽØ¼Lò[O—A›[abSF7
¨K/Yi(/
O—A› / œBRd]^ÍRT[œBRd[abPR2
¨K,:i/U
O—A› / ­TeŽU]^ÍRT[­TeŽU[ÂbYÌ
¨K=0i?O
O—A› /iAC·×LD-{RT¼R eTc×TIa`]^ÍRT[O—A›[abY†
¨K13iF'
O—A› /ifOTkî(óØ¼Lò[ŸNOTkK[abHF2
§K)8iH=
O—A› / wŒþIÐvA^ÍRT[O—A›[abYw
¨K9CiDL
O—c p~]^ÍRT[O—c p~[™bJV4
@U@R†M$
O¨˜“]^ÍRT[O¨˜“[™bKR9
AQ:W‰ +
†s Ãd‡(“Ø¼Lò[†s ÃdD[abŒ5
¤JDHnJJ
†s Ãd‡/”oï”xP mza`]^ÍRT[†s ÃdD[abYOS
¤JA7nP-
OXÉW]^ÍRT[OXÉW[™bJW2
=O,„'
OXF\‡µvA^ÍRT[OXF\‡µE[¡bY¥
8TV}.J
OYsidkn`]^ÍRT[OYs[–bË3
CQ2!Œ;:
šL®Rla]^ÍRT[šL®Rla[abPR3
¤IQ+nLO
šNGŸûA^ÍRT[šNGŸN[™bKC9
?ODM†EX
šNGN^TdÓA^ÍRT[šNGN^TdG[NUbYXP
µ`&H_HO
šÄÚ]^ÍRT[l-¤YŠÌ[Âb™5
ªLSHeM'
š¤DxvHoøA^ÍRT[š¤DxvHoL[™bJE6
BS>%‹8 
š¤ŠdBxTuO]^ÍRT[š¤ŠdBxTuO[–bPB8
GYD/”1Y
šmÏ]^ÍRT[šmÏ[ÂbYPP
©MUUhB;
šRá Ãd‡hŽidkn`]^ÍRT[šRá ÃdD[abNK4
¥K-9mOM
šTUfy]^ÍRT[šTUfy[™bKB2
BUT‰I.
š¬tUî(N\Î`IQtu»îRUÿN)]^ÍRT[š¬tUK[ÏbYPC
Ic3Eš">
óA° €¾R]^ÍRT[óA° €¾R[–bYó
GV+C“8O
óA›NUŒ]^ÍRT[óA›NUŒ[abYÍ
¤TY/s8B
ójvxpÌ]^ÍRT[ójvxpÌ[abYPT
£GLOpFG
óª{ûA^ÍRT[óª{N[–bFT8
EV'E:8
óª{û×RwW‰A^ÍRT[óª{û×RwWS[™bJW4
>U/+„K
óLïbwSñNÓA^ÍRT[óLïbwSñNG[YCFQ6
I\P,¦>$
ó¡cÝûA^ÍRT[ó¡cÝN[ÇbYPS
FP0'˜J/
ó¡w~]^ÍRT[ó¡w~[abY
§KQRk-$
óÌjÝûA^ÍRT[óÌjÝN[abNF3
¨K;(i#L
óÏkÝûA^ÍRT[óÏkÝN[ÇbYYF
FO9M•B%
ó››]^ÍRT[ó››[abY›
§KW&k1'
óTcÉwåH]^ÍRT[óTcÉwåH[abYPQ
¦J+Nl3N
PkKj p~]^ÍRT[PkKj p~[abYPL
žQ8Mx*Q
PkÝûA^ÍRT[PkÝN[abÏ7
¦IY3k&3
PIæNzKÞ]^ÍRT[PIæNzKÞ[abYPM
›QO){X6
PIK¸Ý‚I]^ÍRT[PIK¸Ý‚I[¡bZ¶
9UA2'Q
PoO÷—vA^ÍRT[PoO÷—E[™bPB5
?P9F†7R
Peucbm¯]^ÍRT[Peucbm¯[–bZPC
DO=,YO
Pev·Œ]^ÍRT[Pev·Œ[¡bKQ9
9QC*~NE
Pevp~[Pevp~[YCFY5
IZ$) V 
PeEµvp~]^ÍRT[PeEµvp~[™bZÍ
AU=Gˆ@U
P´®ô†‰A^ÍRT[P´®ô†S[ÇbYPK
FO*X˜HB
Pp—Ñojü»B´ZØïeÓrgò[abLB2
¤I03n>U
ÍeT‰N\| pÌeÓA^ÍRT[ÍeT‰N\| pÌeG[™bYNL
?X.B†"U
Í~ŠUuvA^ÍRT[Í~ŠUuE[NBbÒ4
¬MHY^RW
ÍÌ ejA^ÍRT[ÍÌ ejT[NUbYIO
¸fGkX
ÍN“Îeìl€`]^ÍRT[ÍN“Îeìl€`[–bEH3
DRE$B4
ÍÏC]^šRK[ÍÏC[ÂbPN2
§K=Mj( 
ÍPpRÜoøA^ÍRT[ÍPpRÜoL[abPV7
›R$N|-2
ÍPpR €¾R]^ÍRT[ÍPpR €¾R[¡bZNG
:S.
ÍRCUPevPpe]^ÍRT[ÍRCUPevPpe[™bKD2
>RC)…,S
ÍR`ÿRNI]^ÍRT[ÍR`ÿRNI[ÇbBS8
GO11šUR
ÍRAUbIX]^ÍRT[ÍRAUbIX[NøCCM4
­PG2W1S
ÍRLÉR‚]^ÍRT[ÍRLÉR‚[abó5
¥HREm3(
ÍRgzû(Pá©Ø¼Lò]^ÍRT[ÍRgzN[abPG6
¤J9>o4M
ÍRgzûA^ÍRT[ÍRgzN[abNL4
¤J6Uo6R
ÍRÁRD A^ÍRT[ÍRÁRDY[ÇbYZT
GPFP4
ÍRÁW~³} A^ÍRT[ÍRÁW~³}Y[ýbYPD
«KE6[4#
ÍRóüóTc'‰rgò[ÍRó[abÈ3
¦J<l7C
ÍRó ñðÃûA^ÍRT[ÍRó ñðÃN[NøCCP4
­R=GV/(
ÍRè‚oøA^ÍRT[ÍRè‚oL[Çbt5
GP@>J
ÍR®N¼R]^ÍRT[ÍRT-®N¼R[ÂbYPN
¬OP)^/1
ÍR’ p²¤^¼üN\|)]^ÍRT[ÍR’ p²¤^¼[¡bJZ2
;OY?€0)
ÍRTc‰p~]^ÍRT[ÍRTc‰p~[ýbCF4
«JHB]/Y
ÍlvŠÏAG×xüˆj 134)]^ÍRT[ÍlvŠÏAG×x[ÂbSF3
­QS1_HT
ÍlúLj]^ÍRT[ÍlúLj[NøCCD4
¯TTDYM*
Í}VO^¼i^A’]c«w®[ÂbPM3
«SN'fP;
Í¹Lø€¾R]^ÍRT[Í¹Lø€¾R[ÇbYPW
GOP!š<
P¤^¼bm¯]^ÍRT[P¤^¼bm¯[ÏbBH4
I[?SšNT
PmäÔoj]^ÍRT[PmäÔoj[™bJK9
>QW„E
P€Êv`ÿR(GpS‰rgò]^ÍRT[P€Êv`ÿRT[™bYš
@S*Q‡F5
P€Êv’\’üN\|bhIÉO]^²hK)]^ÍRT[P€Êv’\’[ÇbBW8
GT;™5
P€Êv’\’]^ÍRT[P€Êv’\’[ÇbYXS
GSS4˜FJ
P€ÊvRUóRA^ÍRT[P€ÊvRUóRT[ÇbYPR
HT/( 8H
P€ÊÚa]^ÍRT[ÝWûOF²€ÊÚa[ÇbYDC
FO:#–<F
PwVOl]^ÍRT[PwVOl[–bEH6
CR2/Œ.J
PUæ›­ûA^ÍRT[PUæ›­N[¡bZFG
=UJWƒ-X
PdTZIiOde]^ÍRT[PdTZIiOde[ÇbYPU
GR$Lš&H
PUúRN´UQ]^ÍRT[PUúRN´UQ[ÂbYPX
¬Z! k/+
QIKIQRJUAQ]^ÍRT[QIKIQRJUAQ[NUbYVM
·a>K^S
Ä`kÞ”Žu]^ÍRT[Ä`kÞ”Žu[Çbt4
GO2,š5D
ÄƒkÁûp~ü¤¾ûrgò]^ÍRT[ÄƒkÁûp~[ÇbML2
FNNI™E"
ÄAQQ]^ÍRT[ÄAQQ[ÂbYÁ
±[ McC"
ÄEÿC / ‚UúLj]^ÍRT[‚UúLj[ÂbNV9
ªLI/eA&
ÄEÿCb´ JŽûjÙ’ eTc×TIa`]^ÍRT[ÄEÿCb´Y[ÂbYQB
ªLM:e5B
Ä•‚øA^ÍRT[Ä•‚L[ÇbYQZ
GS@˜<B
Ä•‚øp~]^ÍRT[Ä•‚øp~[ÇbBK6
GR<T— H
ÄousÎA^ÍRT[ÄousA[ÇbBT6
FP'I–<:
Äoøp~]^ÍRT[Äoøp~[™b~2
?R"†.
R.M. OF²n•Ý‚]^ÍRT[mla[¡bRP2
=O@Pƒ!)
¤DxÃûA^ÍRT[¤DxÃN[™bJL9
AR9M‰4C
¤DIÞÜO¢€NÛ]^ÍRT[¤DIÞÜO¢€NÛ[ÇbBL6
EPD’$
¤DúLj]^ÍRT[¤DúLj[™bKF2
?O9D†.1
¤vp~‰A^ÍRT[­®TI[ÏbY¤
H^$X“0B
¤eÉW p~]^ÍRT[¤eÉW p~[–bYOP
HX;;•6;
¤NKe ejA^ÍRT[¤NKe ejT[NUbYRT
 \NGz$W
m‡©c / Ã¨H 40]^l€P[–bRD4
DR-IW#
m‡©c / TRUfA^rgD[–bRD5
DR/+TM
m‡©cØ\•Tá]^ÍRT[m‡©cØ\•Tá[–bFR7
EQE#‘,2
m‡©c mza`]^ÍRT[m‡©c[–bYQF
DR(VSD
m‡ŽR|bm¯]^ÍRT[m‡ŽR|bm¯[–bEH5
FV>M‘.8
m‡p~]^ÍRT[m‡p~[abYRL
›Q"{MA
m‡SUŒc p~]^ÍRT[m‡SUŒc p~[¡bYRS
œT( {?8
mz× /]cO­TE[Bw¤[™bAG2
?PAR†B#
mz×”Žu]^ÍRT[mz×”Žu[™bKL9
?PK(†XJ
mz× eTc×TIa`]^ÍRT[mz×[™bYQR
?P7U†EX
me©c p~ / ªÌÿRGH ˜D’]^l€P[™bRL7
>W//„=<
mP¬£”‹]^ÍRT[mP¬£”‹[NUbY¨
ª`=/t+;
mÃ»TvB‹]^ÍRT[mÃ»TvB‹[NUbYRB
ªhI|X(
m¾½Ý~]^ÍRT[m¾½Ý~[ÇbYRV
FPX”(Y
€ug¼U[€ug¼U[ÂbSX3
©K8Og+X
€DeÓŠde]^ÍRT[€DeÓŠde[¡bRM2
;P@73G
€ÕjA^ÍRT[€ÕjT[NøCCZ2
®T(MX99
€¡E A^ÍRT[€¡EY[–bFC7
ERFU,/
€ŠµKI]^ÍRT[€ŠµKI[ÂbYXK
«N:Gb;O
€¾RÝûA^ÍRT[€¾RÝN[¡bKG2
:PX0F
€úcvÿLøA^ÍRT[€úcvÿLL[ÂbRB5
¬O"J\,+
€úcvÉN×R‡A^ÍRT[€úcvÉN×RD[ÂbRB4
«PH.e'K
€úcvTœx{ˆv(A^ wÿRãøLTEE)]^ÍRT[ÂbRT2
ªQ?fY
€úcE-ì-˜UP]^ÍRT[€úcE-ì-˜UP[ÂbY€
«MKRcA#
wÿRãøA^ÍRT[wÿRãL[ÂbYRJ
ªN=*f-V
wBªûA^ÍRT[wBªN[¡bKB7
=Q,"ƒ5A
w{NúLj]^ÍRT[w{NúLj[™bKH2
=P9Sƒ?,
wŒGjûA^ÍRT[wŒGjN[™bKC7
@O(‡UY
wŒÝûA^ÍRT[wŒÝN[abPT3
¥I12n(A
wŒ ŠdeÜOµvA^ÍRT[wŒ ŠdeÜOµE[–bYRM
ER7MT,
wŒYF\‡A^ÍRT[wŒYF\D[–bFC6
DQ.%
wD‚ (‚W GpSÕW)]^ÍRT[wD‚Y[abPU3
¤H=SoB7
wpÌüºAÁMØ¼Lò]^ÍRT[wpÌ[¡bKD7
:O6<Y8
wLÈ]^ÍRT[©EP €¾R[abÈ2
§L%k>
w£N\A^ÍRT[w£N\T[¡bKJ2
:O9)73
w£ÝWûA^ÍRT[w£ÝWN[™bJX4
AQ?R‰U#
wS‰eTc×TIa`]^ÍRT[¨TS[–bEP4
COX
wS‰€¾R]^ÍRT[wS‰€¾R[YCYDM
I[X,¢75
wåœaA^ÍRT[wåœaT[Âbq5
©K80g .
wd‡p~ü¹A­ŠW p~)]^ÍRT[wd‡p~[abZRJ
žRVCy0L
wUYN-N\fÒ]^ÍRT[è›—cS[ÂbYUY
¦N*4lP&
Rµ£LøA^ÍRT[Rµ£LL[¡bJW5
=PKWƒ/H
ÙBj xpÌ pÌeÓl€P[ÙBj xpÌ[ýb³2
«IUOYWA
Ùu±O p~]^ÍRT[Ùu±O p~[abZPB
SS:z)M
Ùu‰ÁRÉ}üÒú‡×Ã­»yêR. ÙhYUAQ)]^ÍRT[Ùu‰ÁRÉ}[ÏbYSY
IeYD›,A
ÙeJ¥ûA^ÍRT[ÙeJ¥N[NBbYSJ
«K0X_S7
ÙL»´]^ÍRT[ÙL»´[ÂbYZG
¯\(LiF 
ÙLŠûhM]^ÍRT[ÙLŠûhM[ÇbZƒ
FPFX•+J
ÙÌ¢´]^ÍRT[ÙÌ¢´[ÇbYZP
HS--¡NP
ÙÌ B‹]^ÍRT[ÙÌ B‹[™bJY4
>U>J„.1
ÙÌ p~]^ÍRT[ÙÌ p~[abZSJ
œS!Q{2F
ÙNIKoUAQ]^ÍRT[ÙNIKoUAQ[NUbY™
©V>.m,N
Ù™tOaê¥ûG. D¼FsByc eTc×TIa`]^ÍRT[Ù™tOa[™bYXE
AR(-ˆH
Ù¬lvŸ€vA^ÍRT[Ù¬ÙeTvŸ€E[abYƒ
¢L;$r<@
âHEÐcúLj]^ÍRT[âHEÐcúLj[ÂbYKL
®TN1`N1
âHjN~R]^ÍRT[®DkevÁT[–bFZ3
COXŒI
â¡cÓ(S˜fß`j úEWØhM]^rgò[abÑ8
¥IY(mID
âOÿ ÉR©R ltIa]^ÍRT[w×u[™bKK3
@NYX‡5X
âO—Srg‡A^šRK[âO—SrgD[NBbCF9
«KWCa#I
âÞ p~]^ÍRT[âÞ p~[ÇbAW3
GQN™@Y
£ugT-zBÃý]^ÍRT[£ugT-zBÃý[ÇbAP3
FO9D™I&
£LK^î/ KeD A^l€P[abTK7
¥HQ"mRK
£LK^îA^ÍRT[£LK^K[¡bKL2
9P(2~R2
£N‚Tcm]^ÍRT[£N‚Tcm[ÂbTK2
§N28k(R
£PT-o•]^ÍRT[£PT-o•[ÂbYZV
¬P+6`-V
£VOGj]^ÍRT[£VOGj[NBbCM3
«M):`'D
žƒt›]^ÍRT[žƒt›[¡bZTM
žUQVz"S
žAdAVa]^ÍRT[žAdAVa[™bJC5
AOE;Š64
žŽR›Tc]^ÍRT[ÁªöX[ýbYAW
«JD,]<&
žËC”€D’]^ÍRT[žËC”€D’[NBb³5
«L-/^@B
žg÷R‚ /ØxHcØ¼LD[žg÷R‚[abNN3
¥JFn*3
žgLBw“]^ÍRT[žgLBw“[™bJZ4
AS+Hˆ3M
žEÈcD'‰pÌeÓA^ÍRT[Ke{RDeE[ab§9
¤J%!oGT
žcBw“vA^ÍRT[žcBw“E[ÂbYâ
©K81eG;
žO` p~]^ÍRT[žO` p~[¡bKL5
<P99‚B>
žµ›Pü™WpXØ¼Lò]^ÍRT[ÇbSQ2
FPRI•A9
ñL¾Rb´ A^ÍRT[ñL¾Rb´Y[YCFQ5
H[J¨6;
ñL¾RØ`½]^ÍRT[ñL¾RØ`½[¡bKB8
9P<~#S
ñèOv(©NNxaØ¼Lò]^ÍRT[ñèOE[abš4
¤HO(n-U
ñOUX ˜“O¨]^ÍRT[ñOUX ˜“O¨[abYXL
P$PyT1
ñOUX ×RwW‰A^ÍRT[ñOUX ×RwWS[abKM2
›O56{YI
SpTvöL½]^ÍRT[SpTvöL½[abKD9
Q%NyEV
Sp¾ p~]^ÍRT[Sp¾ p~[–bYZH
EU/ALC
Sˆ|c‰A^ÍRT[Sˆ|cS[ÇbYYD
HTO;(Y
Sˆ|‰öL½-ŠÏAGUv(Rµ‰ÿAu)]^ÍRT[Sˆ|‰öL½[abYž
§JVKiV8
S×P p~]^ÍRT[S×P p~[Ïb™6
E]ACŒT4
S×m €¾R]^ÍRT[S×m €¾R[ÏbÔ9
G]8’(Y
SN† p~]^ÍRT[SN† p~[¡bJE4
<TSPO&
Ã®R£A^ÍRT[Ã®R£T[¡bKC8
;O6€G?
ÃmøA^ÍRT[ÃmL[ÂbSY3
©KXOg >
Ã}x GjN¿« eìl€`]^²hK[Ã}x GjN¿«[¡bJX5
<OD‚*
Ã¨HbhIÉO mza / 108iovA^ÍRT[108ioE[ÇbZML
GQJ(—1Y
Ã¨H eDûp~]^ÍRT[Ã¨H eDûp~[¡bZSN
;VM@€T8
Ã¨H €¾R/SdD€D’]^ÍR&Ø˜t²p‚”„E[Ã¨H €¾R - SdD€D’[abó6
¦KO.m16
Ã¨ÁðÝûA^ÍRT[Ã¨ÁðÝN[abPF7
¤J;Do2%
Ã¨Hs‡A^ÍRT[Ã¨HsD[™bæ9
?V2,…/A
Ã¨HÍRA^ÍRT[ÍR’[¡bYPG
;OT)€.8
¢h¿« gîãLj A^ÍRT[¢h¿«[ÇbYSW
DOPRY
¢^´ €¾R]^ÍRT[¢^´ €¾R[–bFS5
GUM”P6
¢^´¿« /Ü &iØ„öRÖ[™bHM2
AS.<‰@+
¢^´¿«]^ÍRT[¢^´¿«[™bKH7
AS3N‰>S
¢€NÓãLj (N\|)]^ÍRT[¢€NÓãLjY[™bKP2
@P!B‡6%
¢€NGÒj]^ÍRT[¢€NGÒj[NøCCD2
¬O:JV(G
¢€NGµvA^šRK[¢€NGµE[ÇbAQ4
GQW2˜&2
¢€NG›Tc”h€vA^šRK[¢€NG›Tc[ab×3
¥J65mIT
SÄƒxH]^ÍRT[SÄƒxH[ÇbY£
FOLT™'I
SÄAW ¤P‘‰A^ÍRT[SÄAW ¤P‘S[™bKQ2
?SFI…3
l]åµTe]^ÍRT[l-AåµTe[ÂbYIF
­Q*HXE<
l”RdO-©-GU±U•]^ÍRT[l-BRdO-©-GU±U•[Âb4
¦M8Wm7#
l ’\’‰A^ÍRT[l ’\’S[ÂbYSG
ªL#MdHS
lÜYACe|vA^ÍRT[l-HYACe|E[ÂbSU3
©KB0gQ
lêŽûuáÃlO®]^ÍRT[l-JŽûuáÃlO®[ÂbSG5
ªLG%e'$
l jah‡A^ÍRT[l jahD[NBbYSL
«M'9aP#
l |OŸ‰Mdkn`]^ÍRT[l |OŸS[abYQS
¤HL*o$E
l-f£L®]^ÍRT[l-f£L®[ÂbTQ6
ªLC1dW0
l-B„ov(ŸR—E)]^ÍRT[l-B„oE[ÂbTR6
ªLMeOA
l-·ˆNIÄvA^ÍRT[l-·ˆNIÄE[ÂbSS4
©KCWfO&
l-·×A^ÍRT[l-·×T[ÂbSY4
¨L03h(S
l-•P€T[Âb•2
©KTRgF3
l-FcDef‡A^ÍRT[l-FcDefD[Âbž5
ªL%@e>(
l-Fm©€C]^ÍRT[l-Fm©€C[ÂbSZ4
ªL1SdWN
l-JŽûA^ÍRT[ÙeJŽN[ÂbYJN
©K/Fg.R
l-JcO®]^ÍRT[l-JcO®[ÂbSN3
¨KLOh!I
l-JOúTvA^ÍRT[ŠÏ-Tm¡pÏ[ÂbSZ3
¨L'-hA
l-p¡cT-©-pUZa]^ÍRT[l-p¡cT-©-pUZa[Âbl7
ªL?Ce(W
l-˜Ux-©-F¤ÊvA^ÍRT[l-˜Ux-©-F¤ÊE[ÂbSJ5
©L8*fCO
l-Ÿ|‰A^ÍRT[l-Ÿ|S[Âb¢5
©K<!g,<
l-Ÿ|¼U-©-ÿ˜Eo]^ÍRT[l-Ÿ|¼U-©-ÿ˜Eo[Âb³3
©KA6g,1
l-ˆug-©S-ÙeT‰A^ÍRT[l-ˆug-©S-ÙeTS[ÂbSM5
©LFQgYC
l-ÄsTe]^ÍRT[l-ÄsTe[NBbDC4
«M=.a7.
l-úCÝR-©-ÿAU°]^ÍRT[l-úCÝR-©-ÿAU°[ÂbSL5
ªL%$dS3
l.]Ìm-A¾LªN[l.]Ìm]¾LªN[ÂbAA2
¨KJMi"?
l.]ÌmW‰Dw ãLj A^ÍRT[l.]ÌmWS[NøCÒ5
¬ML7Y0M
l.]ÏÅ]^ÍRT[l.]ÏÅ[NøCY‹
­Q5=V"Y
l.”€EUX]^ÍRT[l.”€EUX[™bKK2
@RE†R
l.btÁ€‚‰N­¤ DxT€CA^ÍRT[N­¤-a-|E-p~[abYSN
¥I)<m(0
l.Ø¤ÊOx XAúc]^ÍRT[l.Ø¤ÊOx XAúc[¡bæ8
:OU:>V
l.ê¥N'‰eTc×TIa`]^ÍRT[ÙeJ¥N[NøCYYT
«MC%RK%
l.êO£È xpÌ]^ÍRT[l.êO£È xpÌ[abPV3
£L/qW
l. j¸‰(FOXÜhÉ})]^ÍRT[l. j¸S[NøCŒ4
­R44UF8
l.²A¬]^ÍRT[l.²A¬[–bEW3
DSYB4N
l. lEÈs]^ÍRT[l. lEÈs[NBbCS3
«K*9a- 
l. |c•ÎÍeA^ÍRT[l. |c•ÎÍeT[¡bYl
›SPJ|Q%
lfó]^ÍRT[lfó[ÂbSN5
©KVeMF
lfóidkn`]^ÍRT[Áª÷RÝN[abÌ4
¦K$ElD6
lfj A^ÍRT[lfjY[ýbCW4
«K$ ]U,
lh÷Œ]^ÍRT[lh÷Œ[¡bKJ7
:OIG
l‹‚RüþŽRúEWØ¼Lò[abLV2
¥J6/n&S
lvf‚ ©‰ŠÏ‰A^ÍRT[lE-f‚-©S-ŠÏS[ÂbYSZ
¬O%+`=K
lE-AG‚S-©-ìÌEvA^ÍRT[lE-AG‚S-©-ìÌEE[ÂbDD3
¨K Qh2B
lE-J¬¼N‚]^ÍRT[lE-J¬¼N‚[ÂbSM4
©KV9gI8
lE-»C¼-©-ÿA}E­R‡A^ÍRT[lE-»C¼-©-ÿA}E­RD[ÂbSU4
ªLJ9dW
lE. w£ ì pC]^ÍRT[lE. w£ ì pC[¡bKR3
<Q 9;I
lEs €¾R]^ÍRT[lEs €¾R[–bFB7
GYD“(
lEs Ý¹R]^ÍRT[lEs Ý¹R[–bFG7
GYD“LY
lEeBAuüÃ¨H)]^ÍRT[lEeBAu[¡bKK7
9O;D~GV
lEeBAu]^ÍRT[lEeBAu[¡bJB3
9O>X~FL
lEÈsúLj]^ÍRT[lEÈsúLj[NøCYJT
¬N>EX?
lÚTjR]^ÍRT[lÚTjR[–bEJ3
DR0BŽK,
lE›RA^ÍRT[lE›RT[ÇbZl
HUV%ŸXW
l^ªNÓA^ÍRT[l^ªNG[abPJ5
¦J,;k?H
laE Cm¯]^ÍRT[laE Cm¯[abPF6
¥I()mH@
laE Íe(jbdÐ)]^ÍRT[laE ÍeT[abRML
£H/Jp>$
laE Íe(TmšN¼R)[abRJ2
£H/2pAT
la PpeüªuécØhÖ)]^ÍRT[la Ppe[–b¢3
ES>-"#
la ¤P‘‰A^ÍRT[la ¤P‘S[™bYSF
AY-‡P:
l¤Ð\DúLj]^ÍRT[l¤Ð\DúLj[abý6
¤HJ0nO
l¤TF\‡Mdkn`]^ÍRT[l¤TF\D[abYÙ
¤I6VnV"
l¤|þA^]^ÍRT[l¤|þA^[¡bJY5
<P5L‚7<
l¤|ŠmüD.J.i}¤Y)]^ÍRT[l¤|Šm[–bDJ5
DQ%U?B
l¤|w (B»vYa©R)]^ÍRT[l¤|wY[abPK2
¤HWWoA<
SUD÷á /baxÝûA^ÍRT[SUD÷á[abâ9
¥L:VnP 
SUD÷á]^ÍRT[öLNB€D’[abY³
¥LC<nMV
SÞ®R”Ž¾R]^ÍRT[SÞ®R”Ž¾R[abJV7
 RH=v>=
SÞ®Rñ©]^ÍRT[SÞ®Rñ©[óbYSU
«L88]P
SdDm / Õ«¸ýØhM]^ÍRT[SdDm[–bFZ5
EQJ5EK
SdDm]^ÍRT[SdDm[–bFN7
EQL9FC
Sµ£X]^ÍRT[Sµ£X[NBbCY3
«KG6_>6
S›ûHo½]^ÍRT[S›ûHo½[–bœ5
ETF-‘6T
S›û€¾R]^ÍRT[S›û€¾R[¡bZJN
=R%,ƒ,(
S¸FC}mÏ]^ÍRT[S¸FC}mÏ[™bYYN
AP/=‰G:
SYD‚ /ê.A. ·åp‰èC}D A^ÍRT[SYD‚Y[ýbYQY
¬L'GZ R
ÿR]^ÍRT[ÿR[–bË5
COOBŽ)$
·¬vp~]^ÍRT[·¬vp~[¡bYBQ
:XH4€<J
˜YOy]^ÍRT[˜YOy[NUbYYH
£c>N{@B
L|EoEI ×RwW‰A^ÍRT[L|EoEI ×RwWS[Ïbö7
E\AS>A
LTÃû€¾R]^ÍRT[LTÃû€¾R[ÏbFW5
EZ53
NÄh r\‡A^ÍRT[NÄh r\D[NUbJQ6
Åo6@jRT
ñUõQ]^ÍRT[ñUõQ[ÂbYTQ
¯XF"cW3
TEEóvA^ÍRT[TEEóE[–bFM6
EV9@%&
TE•›Tcü|OðÃûrgò]^ÍRT[TE•›Tc[abPC6
¤IVTo.1
TgEºAÈbm¯]^ÍRT[TgEºAÈbm¯[ÇbBM5
IWU¡%
Tc¤°]^ÍRT[Tc¤°[ÇbYXT
HT:%ž@@
T•ªûA^ÍRT[T•ªN[YCYZW
IZ(4¢JA
TÚE-A-p-B`EevA^ÍRT[TÚE-A-p-B`EeE[ÂbTB6
­PF:Y5
TàôÎzLª•”‹]^ÍRT[TàôA[ÇbYGB
GOGEš=#
|vš‰/ ºA° p~]^ÍRT[|všS[¡bJR3
=SOAƒ*0
|vš‰A^ÍRT[|všS[¡bYQD
=SX/ƒ#:
|•Ù˜ûMdkn`]^ÍRT[|•Ù˜N[abPL5
£L1q>
|ÚF\‡ˆ‚‰A^ÍRT[|ÚF\‡ˆ‚S[ÂbSM3
ªL!$e-8
|k~ÍR’]^ÍRT[|k~ÍR’[¡bZLQ
:U1&H:
|OðÃûA^ÍRT[|OðÃN[¡bY|
:UN"QQ
|\ p~]^ÍRT[Ïb|2
E\$!ŽC9
|\÷RûA^ÍRT[|\÷RN[ýbCZ5
«K?D\AG
|mvHo½]^ÍRT[|mvHo½[–bs3
DQGN*>
|d©R”‹]^ÍRT[|d©R”‹[abYQT
ŸN41w18
To½a÷RÓA^ÍRT[To½a÷RG[abYTB
¤HUEnJO
TIMˆýßkÝRi.²†c]^ÍRT[TIMˆý[abYTS
¥N@)o4B
Tngp]^ÍRT[Tngp[ÇbBB7
FOJA˜'M
TxÒj]^ÍRT[TxÒj[™bJY3
?RP*†"
ÝÿRŠá]^ÍRT[ÝÿRŠá[abNR4
¤K+/oCE
Ýrg‡A^ÍRT[ÝrgD[–bÔ7
DS4.ŽGO
ÝrNO / ˜NÓÿAu]^ÍRT[ÝrNO[ÇbYç
GO"M›L>
ÝMãj]^ÍRT[PjV×[ab×9
§JTXjV'
ÝwÏO /”¨ÝNúLjidkn`]^ÍRT[ŸRKÁM[abYKZ
¥IQJm4*
ÝwÏO²ŽRÃûeTc×TIa`]^ÍRT[ˆSñSÙåA[abYYZ
¥IFDmCP
T¤o]^ÍRT[T¤o[Çbô4
EO!2“B>
TmHc‚üÃ¨H N\FîA^šRK)]^ÍRT[TmHc‚[¡bé6
;OEA€EU
TmHc‚]^ÍRT[TmHc‚[¡bKU2
;OCR€EY
TmÏa /iOdeß¼W]^ÍRT[Šdeß¼W[abPZ3
¦J"(k2/
TmÏa]^ÍRT[TmÏa[ýbYé
«KBI\C.
Twx-€úc•]^ÍRT[Twx-€úc•[ÂbYRQ
©L3(fFL
Tw¨ p~]^ÍRT[Tw¨ p~[ÏbEU9
HZ84—,+
Tw¨ p~]^ÍRT[Tw¨ p~[–bFB4
FV<?
TÙuÎp~]^ÍRT[TÙuÎp~[ÇbAE4
GSšOY
TÙ ~H]^ÍRT[TÙ ~H[ÇbBN9
HVT4šWT
T£TZI p~üšûÈoªPS)]^ÍRT[T£TZI p~[ÇbBT3
GRX1›C
TSdH p~ ˜D’]^ÍRT[TSdH p~ ˜D’[ÇbAF4
GQ>š(
TUKÝYyTUîA^ÍRT[TUKÝYyTUK[ÏbYUB
Ic8£@
T¬´ÎA^ÍRT[T¬´A[ÏbZFN
J^TA›@5
TÞBjR €D’]^ÍRT[TÞBjR €D’[ÇbBX7
GU<–V$
TdÛTsü{ÏdG)]^ÍRT[TdÛTs[ÏbBX5
I[W7ž*)
T}‚Rß`j Bh û¤ÊH]^ÍRT[T}‚Rß`j Bh û¤ÊH[–bFY6
DPE.2D
T¸ûCm¯‰A^ÍRT[T¸ûCm¯S[YCFS7
I\C(¡.J
T¿Üo½]^ÍRT[T¿Üo½[–bg6
DSHLY
qsDeA­i¥AWîA^ÍRT[qsDeA­[abPU6
§J)#k$:
¬UKÁKÝîLŸûA^ÍRT[¬UKÁKÝK[ÏbYHI
GdKL“N4
ÞIUõQ]^ÍRT[ÞIUõQ[ÂbYMU
«V>(j=$
d´ A^ÍRT[d´Y[™b~8
BR8K‹)$
UPóR ~Ï]^ÍRT[UPóR ~Ï[NBbu2
«LA,aI(
}fIÞb´ A^ÍRT[}fIÞb´Y[™bYÿ
CY?GŠ:R
ãL-D'\]^ÍRT[É}pŸÄE[ÂbYVO
§N!*kLX
ãL}A^ÍRT[ãL}T[ÂbSQ3
©K:Rf0C
ãjŠdA^ÍRT[ãjŠdT[ÇbAH4
FRQ*•2 
ãLj A^ÍRT[ãLjY[ýbÒ3
«K5N]*V
ãLjYrg‡A^ÍRT[ãLjYrgD[Âbë3
¨K*<h&;
ãLjYúEW]^ÍRT[ãLjYúEW[–bg5
FUW“/L
ãÊOU¾RÜhÉ}]^ÍRT[ãÊOU¾R[ÇbYHC
FO/™$
ãÊOU¾R eTc×TIa`]^ÍRT[€uŠÌ[ÇbYVR
FO)D™) 
ãÌcOF]^ÍRT[ãÌcOF[ÇbAU4
HT LšI
ãUXÁLøA^ÍRT[ãUXÁLL[–bs6
CP Ž"Y
¾ºÔoj]^ÍRT[¾ºÔoj[–bÔ3
DS<RŽC
¾Rˆªa]^ÍRT[¾Rˆªa[–bYVG
CS33ŒO8
¾Rˆªa”‹]^ÍRT[¾Rˆªa”‹[abKQ7
›ORM{8)
¾RNa]^ÍRT[¾RNa[ÇbYVK
FP,S•1R
úCÝ€ÎÁRÉ}]^ÍRT[úCÝ€A[ÇbYí
FN7™4
úCÝ€ÎeTc×TIa`]^ÍRT[úCÝ€A[ÇbYYJ
FNDO™7@
úCÝ€AúLj]^ÍRT[úCÝ€AúLj[ÂbSR3
©L$LeUJ
úKeÓ(Ã¨H)]^ÍRT[úKeG[–bVS2
DS>VV
úKeÓA^ÍRT[úKeG[–bEE8
DS$>QT
úR©û(­B€gjØhM)]^ÍRT[úR©N[¡bKR7
=OM#‚W4
úR©N/R.J.üÉB)]ÌmWØ¼L‡mza`]c«w®[úR©N[¡bYVD
=ORH‚U#
VOxEY'‰B‹[NøCVB2
¯V2G\#/
VîA^ÍRT[Ý—sÁM[abPM5
¥IY;mLR
V¬{ûA^ÍRT[V¬{N[–bFX6
DP6/.Y
›B„{]^ÍRT[›B„{[–bEE5
EUWIO&
›÷ž]^ÍRT[›÷ž[NøCYWK
­RU1`QR
›©×]^ÍRT[›©×[™b§7
?QUL…P 
›eW€GHA^ÍRT[›eW€GHT[–bYWV
CRMKŒQ7
›eW€GHrg‡21]^ÍRT[›eW€GHT[–bFP7
CROP$"
›æW]^ÍRT[›æW[™bKT7
@RDW‡KM
›LTc'‰öL½üPnc ›Y)]^rgD[abWF2
¥J9PnC/
›ó~æ]^ÍRT[fGªNÓp~[abKB6
 SPWw@L
›R÷RÓ/ ZAJ•]^ÍRT[›R÷RG[–bFH8
ES+"2*
›R‚R]^ÍRT[›R‚R[–bEP6
CO/BŽ)2
›Rmû/ ¿«pÌ‰A^ÍRT[›RmN[¡bKX2
:P'@A:
›™A­NxH]^ÍRT[›™A­NxH[ÂbYKQ
§Q:6lK<
›TcúLj / KeÛbOdqidkn`]^ÍRT[›TcúLj[ýbCW3
«K!%^E$
›Twµ]^ÍRT[›Twµ[™bKU7
@QG,‡3J
›TÃûp~]^ÍRT[›TÃûp~[YCYQH
IZ$YžO1
››]^ÍRT[››[abYXZ
¢MXrM*
›¿]^ÍRT[›¿[™bKV7
=OSF„P
¹ÿÄ¼]^ÍRT[¹ÿÄ¼[abYWP
¡RW@u4<
¹K¹ÚI]^ÍRT[¹K¹ÚI[ÏbY¹
F^)9"C
¹LpÌ / N­¤bsT¤øA^ÍRT[¹LpÌ[abNQ3
¥HXKm1;
¹LjR]^ÍRT[lflŽD[ÂbTQ2
©K "f $
¹ˆÌJI]^ÍRT[¹ˆÌJI[ÂbYÊ
¨SDlOR
¹l²OPpR]^ÍRT[¹l²OPpR[™bJF5
@O)ˆ5+
¹l˜Œ]^ÍRT[¹l˜Œ[–b•4
ET&>J:
¹lÍR/ €©AU p~‰A^ÍRT[¹lÍRT[abRL2
§JFj5N
¹™I¸ûmza`]^ÍRT[¹™I¸N[–bà3
DRWT6F
¹Y÷RûA^ÍRT[¹Y÷RN[™bJE3
?OGQ…N"
¹YŸûA^šRK[÷R—'‰R‚R[NBbCG3
«L -`Q>
¹YŠÏAu¼]^ÍRT[¹YŠÏAu¼[ÂbSU5
©MV+gO 
í`v¾]^ÍRT[í`v¾[NUbYXN
Ÿ\,6zAS
ítI]^ÍRT[ítI[Ïbœ3
H]%T“,L
í´vC´ (¤·ÖKY)]^ÍRT[í´vC´Y[™bWC1
?P85†04
í´äO}A^ÍRT[í´äO}T[–bYZU
FT&D‘M+
í´ER£ /bOµe‰A^ÍRT[í´ER£[YCFP8
IZNH¥(V
í´E¿«]^ÍRT[í´E¿«[™bKY2
>P2#„.:
¸hÝûA^ÍRT[¸hÝN[abYVV
¤JJKo$8
¸L©RŸûöRM]^ÍRT[BpŒ¼[–bFT2
DP?'@Y
¸LD¿« / ˜uvˆlØhÖ]^l€P[–bJJ3
ES>N‘-D
¸j A^ÍRT[ŽGj²peS[Y{J2
I`;:¦@5
¸Lªƒ‰ÁRÉ}]^ÍRT[¸Lªƒ‰ÁRÉ}[NøC{6
­R@UM#
¸Lªƒ‰p~]^ÍRT[¸Lªƒ‰p~[ÇbYWL
GR(Y˜!,
¸L˜W”du]^ÍRT[¸L˜W”du[™bKZ2
@O6‡F
¸Ìc®m]^ÍRT[¸Ìc®m[abNW2
¥K'Km>%
¸ÌÃR]^ÍRT[¸ÌÃR[abYQG
£H.>pW2
¸NGÁM / €uh‡W. jãûA^ÍRT[¸NGÁM[abPR7
¤IR!o/U
¸NKjR]^ÍRT[¸NKjR[¡bKZ7
:O(U+
¸NNnEÓ/ ïÊml]^ÍRT[¸NNnEG[¡bJL5
:OQ'~X7
¸NNnEÓ/ l.]ÌmW‰A^ÍRT[¸NNnEG[¡bYAV
:P!5W
¸NNnEÓõ®‰hÖTwNÓ€uhDÃûeTc×TIa`]^ÍRT[¸NNnEG[¡bYWG
:OTB,6
¸ÏcpÌ]^ÍRT[¸ÏcpÌ[NøCCC2
¬M&+U1K
¸Ïc‰A^všRîA^ÍRT[eìS[–bFY4
DPT/ML
¿Lpla p~]^ÍRT[¿Lpla p~[™bZWL
?X$7…(1
¿«Œ]^ÍRT[¿«Œ[ÇbBQ8
HU"ž+Y
¿«lOŒ]^ÍRT[¿«lOŒ[NBbCD3
«L'&a>I
¿«lOŒ]^ÍRT[¿«lOŒ[abPR5
¤I$<nO1
W€Gj A^ÍRT[W€GjY[ÏbYWY
I]*@™8+
WwNÓp~]^ÍRT[¡bJG4
9RBV~) 
WdNÞe p~]^ÍRT[WdNÞe p~[abKL3
 RSDw/3
WYÔ`v(É~RØ¼Lò]^ÍRT[WYÔ`E[abNL8
¥JE1mRJ
WYÅh‡/ W.B. ‚ËÁMØ¼LD[WYÅhD[™bYYO
?QNB†()
YhŠ¨H]^ÍRT[YhŠ¨H[ýbYQI
«IOC`#/
Yg˜WKNIFvA^ÍRT[Yg˜WKNIFE[ÏbYZF
F\9L86
Y\îA^ÍRT[Y\K[abPP6
¥I -mQ'
Y\îpÌeÓA^ÍRT[Y\îpÌeG[¡bZAC
8V#4~#3
Y\KÝûMdkn`]^ÍRT[Y\KÝN[™bYQV
>Q-S„9I
ZƒÎp~]^ÍRT[ZƒÎp~[–bFT9
HY!P”S6
ZÒ]^ÍRT[ZÒ[¡bæ4
9O.Q~<"
7 Oy‰¦±HšRîA^ÍRT[ö^öX[â_7S1
£>YUo*<
Îš¬ßf°Øm©€ŒÝWûmza`]^ÍRT[Fm©€ŒÝWN[Š_H88
CB2x/-
–ÿúLjbH€‰CRµiœ\øA^ÍRT[–ÿúLj[p_IYA
›;X?z#!
–ÿúLjidkn`]^ÍRT[–ÿúLj[`_0J0
 =B$s,1
–c©sidkn`]^ÍRT[–c©s[‘_U36
BHU.ŽRQ
–c©s mza`]^ÍRT[–c©s[ë_–R
;K8N€73
–c×| rgD[P¬„KI[é_GZS
ŸA'-u!7
–osvMdkn`]^ÍRT[–osE[§_K78
:DT-,'
–osvmza`]^ÍRT[–osE[…_–I
;>6GFU
–¤ÁM ªÊû{P´`]^ÍRT[¢€NGrgD[o_¢I
žEPGwFE
–¤Öidkn`]^ÍRT[ºf‡jD’[ˆ_4D0
¡HL<rIY
A{D× mza`]^ÍRT[‚W Iÿ€A[p_hA
›< .yS 
ACŸŒbOdq]^ÍRT[®Lö[ã_MFV
¦CDOiKF
AŒcŸûuOCWbOdq]^ÍRT[AŒcŸN[Ö_9M4
?0*w+H
AŒj Mdkn`]^ÍRT[AŒjY[_4C7
›H>Q{ 
ôÎmza`]^ÍRT[ôA[“_ôH
9@N-~F.
ôy]^ÍRT[ôy xpÌ[y_ôK
:QSÎD?
ôƒ‰dq jzaØ¼LD[F€sDžnüôƒS)[¸_63C
žIWDwM1
ôDeÀaØ¼LD[gIZ–ÚHÝWN[K  ¯X
 CG(sU<
ôDxa]^ÍRT[ôDxa[`_2A8
Ÿ@+ u';
ôDxa]^ÍRT[ÒLpS[…_ôS
:>X%~P)
ôe]^ÍRT[ôe[{_A26
DG))–W.
ô^aÒŒ mza`]^ÍRT[Ù¤×C p~[Å_SLK
¨J5%h*4
AcObOdTá]^ÍRT[è Ke‚Y[…_T31
9?*<~J=
AcO •T•]^ÍRT[F¤N§ÝN[…_T25
9>"T}9'
AcOß`j A^ÍRT[wf“E[…_52F
:? Y+V
AcO¦à/f·¾R]^ÍRT[f·¾R[NJ_12N
§G=hJ/
AFÝûªÊûdq/’‚¤øÉY‡øËDe‰rgD[AFÝN[W ]FO
BHH>ŒV>
AGUÎìL°]^ÍRT[AGUÎìL°[{_L70
B@<+”0M
AI~ûmza`]^ÍRT[AI~N[â_AIK
¢?DXoG$
AeS¿R| mza`]^ÍRT[AeS¿R|[‚_fW
<H@KYA
A^ÜhÉR]^ÍRT[ºEs³\O[Ê_W88
¤B(7mN)
A^²hK-ÒLp‰A^ÍRT[ÒLpS[…_F69
:?6~P+
A^Gp©‰A^ÍRT[þE¸la[¦_2x
¢8J%o!"
A^Á¾ûA^ÍRT[lAt³}G[Å_09N
¨GOXgR@
A^p~]^ÍRT[ˆN‚AÍªS[¶_LVN
›JCF{+G
A^p‚ sTcP€£‰A^ÍRT[þ‹[Å_1H1
§I*3j(L
A^šRîŽl]^ÍRT[ÒLpS[…_1F7
9>NM~3%
A´Keidkn`/lÔvK}TZØ¼LD[A´Ke[¶_A´
›L>T{FB
y-ue mza`]^ÍRT[Ÿ€š[ç_A39
@>Y8U&
yHI“]^ÍRT[yHI“[y_yK
CVV1¸(W
yuy]^ÍRT[yuy[y_Z13
@ZTP¿;B
yîA^ÍRT[yK[y_yI
@ZT(¿+P
ywûF¬ÝûeTc×TIa`]^ÍRT[ywN[¥_yR
£G -o:"
ywN-{Ïa mza`]^ÍRT[ywN[¥_{K
£FTTo8C
ywN/J•ÃûrgD[ywN[Å_9G3
¦I.l:W
ywúLj]^ÍRT[Sª©LL[…_3…
:?5@3,
y¨f]^ÍRT[y¨f[y_7y
?T&GÃB-
`iEYc‰A^ÍRT[TäÞ£H[ˆ_3TE
¢H<qV3
`yfUîA^ÍRT[`yfUK[y_AUK
?\FYÂI2
`ƒO pÌeÓrgD[`ƒO[NV_L92
BC3N‘)J
`ƒOÕR·-í´vÙÌ‰mza`]^ÍRT[`ƒOÕR·[NM_`M
>>P4‡Y:
`Bf A^ÍRT[`BfY[¸_54W
žHI!w79
`Bf eTc×TIa`]^ÍRT[`BfY[Å_`B
¨HJWgN%
`Bf Mdkn`]^ÍRT[`BfY[Š_K19
8F-J|23
`Bf Mdkn`]^ÍRT[`BfY[\_S12
EJD.™!@
`Bf Mdkn`]^ÍRT[`BfY[…_T23
;>I/.!
`ÿRA^ÍRT[Èon³}G[š_1N3
¥FX0l,A
`ÿRJ gª‰A^ÍRT[õŒÃNúLj[Ê_OAJ
¥@OKkBJ
`ÿRJ ªÌÿRÓA^ÍRT[H•£L[ˆ_5Y1
¢L &r7"
`ÿRjÎMdkn`]^ÍRT[`ÿRjA[¶_Ag
›IFS{4#
`ÿR‰×©R mza`]^ÍRT[aEa[Å_N66
§H=;i!R
`ÿRí´TË]^ÍRT[l²Úc³}G[¦_¢G
¡9KTpCC
`ÿRTµ]^ÍRT[FmEÍRT[o_FEP
žH,Lw@U
`ÿRTúLj mza`/|OŸ‰J”RÞªîrgD[`ÿRTúLj[`_BFZ
Ÿ@+Kt-3
`Bidkn`]^ÍRT[`B[_4C8
›FYMzKV
`BIaidkn`]^ÍRT[`BIa[‚_BVN
:GII€!3
`÷ÄcÄveTc×TIa` SdÍRA^ÍRT[`÷ÄcÄE[NM_–Q
?A 2ˆB<
`©RŸûA^ÍRT[lbp^Ñoj[¥_2P7
¤F!7nWM
`¯×zî/‚W]^ÍRT[`¯×zK[y_5A8
AY.W¼C"
`àf©RØ¼L‡Ã¨H ¿«bOdq]^ÍRT[¸âañû¤P‘S[¸_xW
žJ3CwP3
`àf©R ÙpŠûA^ÍRT[¹l dIa[¥_ƒT
¢DQ$q?X
`àfD€ÎA^ÍRT[`àfD€A[e_I99
 F+WsD-
`àfD€ÎA^ÍRT[P´Tl†N[NJ_N85
§FA-i(
`àfD€ÎeTc×TIa`]^ÍRT[`àfD€A[p_Aà
›=1Ez>U
`àfD€Îmza`/ufDjRØ¼LD[`àfD€A[¶_AXN
8KQY}5G
`Fm‡âHwËcØ¼LD[Ho½Éw[§_M66
:D2<*P
`Õ×idkn`]^ÍRT[`Õ×[_AXA
8I"F|.0
`kveTc×TIa`]^ÍRT[`kE[…_`I
:9J9€C
`æª p~ ltvA^ÍRT[`æª p~[\_R03
DI#-•X@
`æ A^ÍRT[þIO[ˆ_51G
¢I&BqMO
`pæ~A^ÍRT[`pæ~T[y_6A8
D`?%¶C2
`pûC²cKeÃN/BpŒlavhù]^Ø¼LD[BpŒlaE[ã_BKT
¥C";kW%
`jGHs dq]^ÍRT[P´T³}GH[š_AGC
¤F3.mUK
`jûhù]^Ø¼LD[©LêdCTIaØºEgY[y_B±
F]YI¯I*
`jûdq]^ÍRT[IA[§_K88
9CR$}5+
`jûH T±cA^ÍRT[ÃÒ ¢€NÛ[‘_U78
BHDU@U
`jûš€ž]^ÍRT[OyÒj[p_ACP
›<K zG1
`jÌ`vdq]^ÍRT[`jÌ`E[â_AQX
£>YHo.+
`jÏ†ûÄEsb´ Mdkn`]^ÍRT[`jÏ†N[š_XLL
§F@+i;0
`ªf°idkn`]^ÍRT[`ªf°[‚_A
=H!*„N,
`ªÃûMdkn`]^ÍRT[`ªÃN[_K98
›HKPzN.
`Ÿidkn`]^ÍRT[`Ÿ[‚_4D9
;F$K2M
`®×]^ÍRT[šW²AW[ˆ_2C5
¡H-)sQ$
`ù¤idkn`]^ÍRT[`ù¤[h_M73
œ@6Ky9U
`ó×bOdq mza`]^ÍRT[`ó×[ˆ_APN
£K"Gq?C
`PevA^ÍRT[`PeE[W  46U
BI(U 1
`Pevdq]^ÍRT[ŸRKjÔoj[{_M45
DDJ#•L
`PeE-{¢hxidkn`]^ÍRT[`PeE[…_E38
=<5!…G
`£î€¾R]^ÍRT[Yy¨t[y_A57
HY)W¨8K
`ÝaA/Bp^bOdq]^ÍRT[`ÝaA[š_AOO
¥F/Ml1*
`T}„idkn`]^ÍRT[`T}„[{_At
DG:X–?V
`Tµ]FB]^ÍRT[`Tµ[“_LTS
;@F#."
`Tµ/ÄhTZiOde mza`]^ÍRT[`Tµ[“_AXS
;@GV20
`ã mza`]^ÍRT[`ã[“_AVK
;BL7€F.
`úûA^šRK[`úN[…_6R5
9;6S}/2
ƒfÎA^ÍRT[ƒfA[_C11
œGMCyQS
ƒBjR]^ÍRT[ƒBjR[y_AFM
Aa$4»Q8
ƒËEvhù]^Ø¼LD[Hc˜NG[{_AHC
DF-W–' 
ƒg ŽRÁRA^ÍRT[tuxa[§_K59
8E@,}(O
ƒckfbm¯]^ÍRT[ƒckfbm¯[y_80A
D_$,µ(D
ƒc Mdkn`]^ÍRT[ƒcY[¸_AHH
œK.Rz4=
ƒ•idkn`]^ÍRT[ƒ•[_ƒW
›GY={C1
fART•]^ÍRT[fART•[›_74S
FN;U˜EK
fôhKOidkn`]^ÍRT[fôhKO[“_F68
:A!&€-Q
fyTUVUîšS‰A^ÍRT[fyTUVUîšSS[y_yP
Db&µJB
f©RÃûrgD[BmWlc[›_S97
EN$/•I*
f©RÃûmza`]^ÍRT[f©RÃN[e_A‘
 F$=sBM
f©RÃûmza`]^ÍRT[f©RÃN[â_fD
¢@;GpH@
fDmW O|v®Š€`]^ÍRT[ZdI[NM_XNI
@A!DŠV-
fDmW‰dq]^ÍRT[fDmWS[…_E11
=>1Q„=M
fDmW‰dI¾Rñq]^šRK[ÿR€s ¢€NÛ[ˆ_C20
 GW"t4#
fD è”ÚH]^ÍRT[KpŸ| GjN[{_S51
EG<I™YJ
f’ørm]^ÍRT[f’ørm[NM_AXX
>B71‡/6
f’ª×bOdq]^ÍRT[»FKe[…_LFK
8=,!|K
fÕa £APp‚”„E[fÕa[y_AGN
HW<+¤A$
fG¸N-šRm—Ø¼LD[fG¸N[{_2O3
DD@N˜8&
fîA^ÍRT[fK[y_fI
A[@S½>I
fIŸ‰A^²hK[ì¤NÕ[_00C
@C*)‰R'
f´ÎMdkn`-~úû÷R~iœ\ørgD[f´A[_Y43
8G86|L*
f~Å mza`]^ÍRT[f~Å[_IKV
›GG;{?Y
fûhÉRidkn`]^ÍRT[fûhÉR[ˆ_hB
¢H+5qJK
f‚—vxpÌ]^ÍRT[f‚—E[y_fN
HU >¡@-
fNxÝûmza`]^ÍRT[fNxÝN[`_fB
 ?A/sQ;
f“Îdq/Bpev(õ‚‰rgò]^ÍRT[ˆN‚AÍªS[¶_fE
›K&H{*C
fÃûdq/JEÐb˜U‡rgD[›©³\O[Ê_AFP
£A,n"D
fTgOóbOdq]^ÍRT[‚ªGH[‚_4V9
:H$J€ 5
fTgOóß`j A^ÍRT[Š\E[‘_U92
CIFDB(
f|a Mdkn`]^ÍRT[f|aY[§_fY
:C'B€"L
fTjR‰Mdkn`]^ÍRT[fTjRS[“_80F
9@)C}E
fÝNIO €¾¤ wD€GUEZ]^ÍRT[xp ©ß¼Ä•[PR_VQS
©0&#_;C
fÝNIO/‚á/JUhÿ²]^ÍRT[häIÉ[PR_–O
©09!`F>
fT€MbOdq]^ÍRT[ÿLp^E[ˆ_ACB
¡JY1s)T
fúîA^ÍRT[fúK[y_fV
A\DP¾)6
APÜoøLZüF\APÜoL)]^ÍRT[ÉWªNÓºEs[ã_AÈ
¥D"&k1&
AšpukÎmza`-þÔv¤ÌÈØ¼LD[AšpukA[¦_AAF
 ;IEsE
AóX]^šRK[ñL¾RÒj[›_8W5
FME5˜IY
APPjß`j A^ÍRT[APPjß`jY[{_APV
B@@=“)(
APPj­TvA^ÍRT[ÄEsb´Y[Š_5Š
›F5=z?S
APPjÝûeTc×TIa`]^ÍRT[APPjÝN[¸_tW
ŸJ-;v='
APPjÝûMdkn`]^ÍRT[APPjÝN[¶_AQP
9K+E~.
hfÙ‰dq]^ÍRT[wŒÍRT[…_RKP
::#( C
hAšvMdkn`]^ÍRT[hAšE[‚_37V
<F2<T:
h{© T€-dq]^ÍRT[h{©[Å_D23
¦H@l7@
h{Didkn`]^ÍRT[h{D[¦_X06
¢9)IoP0
h{D-B¼NúLj²hxH]^ÍRT[h{D[p_5F0
›>=UzW(
hucb´ Mdkn`]^ÍRT[hucb´Y[…_T39
;?@V€C%
h-÷—vdq]^ÍRT[h[‘_AOC
CIB+2!
hCTkßop’]^ÍRT[hCTkßop’[y_hC
Fb$S¯@L
hDŠm ·WÏ†ûàä¨I¾]^ÍRT[hDŠm[“_1F0
:@&O%4
hDŠmidkn`]^ÍRT[hDŠm[“_ôM
:@0,,
hs‰rgD[¸×ŸC[e_RWN
 G#>tBL
h•TI]c«w®[ÕDjY[…_20T
:>:-?C
hÕNidkn`]^ÍRT[hÕN[§_2K8
:C.=K>
hGYj]^ÍRT[hGYj[Å_1C3
¨I-.g:+
hæý„ eTc×TIa`]^ÍRT[Bï|Ôoj[h_BYH
AWRwVD
hæãLj A^ÍRT[ºEsB€c[h_12A
›A(Ez2$
hjD’Ø¼LD[lƒF\D[…_F56
;>TDJ!
hªNÀaidkn`]^ÍRT[hªNÀa[\_1S8
EKI3–(C
hªNÀaidkn`]^ÍRT[hªNÀa[ë_3A9
:J5D%5
hªNÀaidkn`]^ÍRT[hªNÀa[›_A¿
FN'E˜'?
hªNÀaidkn`]^ÍRT[hªNÀa[…_GKY
:>EP#E
hN‡AFB]^ÍRT[T¬pŸ[é_‹X
 A5?t#'
hN‡rgD[CwS¹LL[ˆ_55G
£I/RpB:
hN‡šL®R mza`]^ÍRT[pTwÿ[š_Lÿ
¥F.5m6C
hwíŽ‡„Ù¬l€P[F\uAÐEE[h_çU
8A.<|+=
hT•idkn`]^ÍRT[hT•[NM_tS
>>Q%†:!
h|}]^ÍRT[h|}[Ì_1A2
:M$K*;
h|} ìNûA^²hK[T´µúLj[¦_X21
¢:C3nP%
h|} û‚U]^ÍRT[{RwLL[_Ce
8H N|M1
„Hvdq]^ÍRT[JEÐcÃN[Ê_’V
£B7Wo7%
„HEÉw mza`]^ÍRT[„HEÉw[Ê_HBI
¤AE.mSG
„HÔoj mza`]^ÍRT[„HÔoj[Ê_AVL
¢A8(p>=
„HpÌbOdq]^ÍRT[„HpÌ[¥_3G4
£FT)p-2
„HpÌidkn`/SÞ‚R²h~RØ¼LD[„HpÌ[\_S03
EH)7˜ED
„HpÌ mza`]^ÍRT[„HpÌ[K  DWU
¢D?.pJ.
„HpÌ/ª‚úLj]^ÍRT[„HpÌ/ª‚úLj[`_26A
 ?/!sN>
„Hj Mdkn`]^ÍRT[„HjY[Ì_„Y
;L53'
„óN-P´KebOdq/ÙRD rgD[„óN[_„E
?E+1ˆR$
„Ý€Îmza`]^ÍRT[„Ý€A[\_„T
FL';™RI
„Tw×¨ ~Ï wˆN’R]^ÍRT[©øN\TE[_RCV
?CHPˆ3%
tHs‰Mdkn`]^ÍRT[tHsS[…_F44
9>'P}OH
tHsS/ÿûEPP‰A^ÍRT[tHsS[­_AHN
¡?VUq1?
tæ]^ÍRT[tæ[y_yA
;R+,Ì*4
tKeÃûMdkn`]^ÍRT[P´T³}G[§_PTS
8C9|IR
tpÏÎA^ÍRT[tpÏA[‘_55H
CINO‘&$
tpÏÎMdkn`]^ÍRT[tpÏA[ˆ_Y93
¢JYOr%D
tpÏÎmza`Ø`ûrgD[tpÏA[­_ÐC
 ?3:r@3
tpÏÎ¢EË› A^ÍRT[tpÏA[­_Hð
¡?56r1R
tpÏkb´ eTc×TIa`]^ÍRT[tpÏkb´Y[NJ_ACY
§E99h@D
tpÏkidkn`]^ÍRT[tpÏk[_AIO
8G6,} V
tŸ¨»y]^ÍRT[tŸ¨»y[y_4A2
@ZR"À.9
tŠmidkn`]^ÍRT[tŠm[`_0R1
ž=Xu8N
t“ÎMdkn`]^ÍRT[t“A[“_AQR
9@5T~&S
tQ„UîË›R‡÷R‚LøSRiœ\øA^ÍRT[tQ„UK[y_tK
Ad: »8&
t¿«/¤WªýbOdq]^ÍRT[t¿«[§_ôT
<EP7ƒ ?
AU÷RûMdkn`]^ÍRT[AU÷RN[{_Ad
DDW/—"T
AU÷RûMdkn`]^ÍRT[AU÷RN[›_S50
FM1E˜+B
AU÷RûdI¾Rñq mza`]^ÍRT[AU÷RN[`_AUO
 >BTs8 
AU÷RN/©æLB àä¨I¾]^ÍRT[AU÷RN[e_GWB
¡G08s!D
AU÷RN/j¸laidkn`]^ÍRT[AU÷RN/j¸la[®_jW
ªJ Ud/
AUìÉûdq]^ÍRT[AUìÉN[_ôU
8GH$|U,
Aåµ]^ÍRT[Aåµ[Æ_3U5
CM9NŽ4N
Aåµidkn`]^ÍRT[Aåµ[§_3AU
:CF)"G
Aåµ mza`]÷žØ¼LD[Aåµ[­_AÛ
¢?4*oWR
Aåµ ltvA^ÍRT[Aåµ[®_Aå
ªJ1,cMP
A}\ÎMdkn`]^ÍRT[ukAÕ/A}\A[o_hR
ŸGL1v:>
A}\ÎMdkn`/`²O—cØ¼LD[A}\A[‚_AUH
:FSEYF
A}\ÎltvA^ÍRT[A}\A[\_UAO
EK,P˜L*
AµTe]^ÍRT[AµTe[NV_TÆ
CE:#“)Q
AµTe àä¨I¾]^ÍRT[AµTe[…_ËC
:<5Q?Y
AµTeidkn`]^ÍRT[AµTe[¶_AÞ
›IELzUY
AµTe-ÿRÛTwM eTc×TIa`]^ÍRT[AµTe[…_Aµ
:<)FF*
Aã”oøŸRTeiœ\øA^ÍRT[Aã[Š_AOV
›BX1zFU
A¾N’RØ¼LD[S¹Ú›Tc[…_SWW
<>: ‚:
A¾ábOdq/ŠR€ÃûrgD[¢RU°²eE[Ê_7A8
¢AVIoYL
A¾ rgD[p}¼R[›_69S
ENYT”+3
Aú SUÄop]^ÍRT[šR~R[ç_P20
A@&Y."
AVO{]^ÍRT[AVO{[ˆ_39G
£IPpF(
AVa²hîàä¨I¾]^ÍRT[AVa²hK[¦_AVO
¢9A;o=J
çTäidkn`]^ÍRT[çTä[NM_N19
@BP+ŠI
B &Ü µF‰A^ÍRT[sTcP€£[\_O62
DKI9“"E
BAŒµidkn`]^ÍRT[BAŒµ[¶_7Y3
8LOD|<6
BAûdq]^ÍRT[`Ÿ[­_ƒG
¢=>(p<6
BAGÒ‡A^ÍRT[BAGÒD[ç_E51
A@A@(1
BAGj Mdkn`]^ÍRT[BAGjY[¶_7Y4
8M=9}3O
BAo•]^ÍRT[fGjÝN[…_7R9
9;'T}6"
Byc]^ÍRT[Byc[{_0O2
BA/)’"S
Bycb´ Mdkn`]^ÍRT[Bycb´Y[\_B~
DJP,“N?
Bycidkn`]^ÍRT[Byc[Æ_BHK
?L2N†-;
BycSrg‡Mdkn`]^ÍRT[BycSrgD[{_L45
CA1<”YL
B`‡KNOBidkn`]^ÍRT[B`‡KNOB[h_M74
œA/Xy?:
B`D¸ûdq mza`]^ÍRT[ˆLjD’úLj[­_MLJ
¡?'-q,;
B`D¸ûMdkn`]^ÍRT[B`D¸N[ˆ_7D3
¡IR>sP=
B`TIŠm/›žeÀa eTc×TIa` |}Õ«ihž`øA^ÍRT[B`TIŠm[M‡”¸
¦E(?jF&
BƒÿRÓdq]^ÍRT[BƒÿRG[â_99N
£?0.o$<
BfCwFMdkn`]^ÍRT[BfCwFT[‘_U51
BHI-R!
Bf©øA^ÍRT[E±HqØO}[š_22D
¤F%Pn#L
Bf©¤ ltvA^ÍRT[Bf©¤[›_4W0
FM5I—>)
BfD´Ø¼L‡A^Dw®]^ÍRT[þY©[¥_5D9
¢G+8pW:
Bf·ûltvA^ÍRT[Bf·N[\_S05
EI#)š6:
BfÕR eTc×TIa`]^ÍRT[BfÕR[®_Bº
ªJN9bOG
Bf§]^ÍRT[S›ý xpÌ[®_®5
ªJ'Ub7G
BfNeÓMdkn`]^ÍRT[BfNeG[{_BNG
B?U3’Q!
Bhß îA^ÍRT[ÉªãR[…_T38
:?4A,B
Bh–OO/¸âañû©L½ mza`]^ÍRT[Bh–OO[¸_DLL
žI=1wL.
Bhe NF]^ÍRT[FEY[`_NBJ
ž<57uCT
BhKeÓÙÌ‰PMRF]^ÍRT[~æÁ,æUAI[HI_BKH
@44½M$
BhKj mza`]^ÍRT[šì{H[K ²AH
žC!CvL5
Bh§Òj]FB]^ÍRT[ÉSñcb´Y[p_Bô
8><%{EK
Bh‚‰dqidkn`]^ÍRT[ãLj C´Y[Ì_BAC
:LV:€#
Bh‚Ñoj/B¤Drg‡A^ÍRT[Bh‚Ñoj[¥_6G5
£F'o)=
BhN¹Lømza`]^ÍRT[BhN¹LL[â_BNL
¢?-:o50
BhwWbOdq]^ÍRT[¸Ìc[­_WDR
¡?XXqF!
Bhl†-ÒG’—]^ÍRT[ÒG’—[{_ÒG
B@Q+’M*
BhTc xpÌ]^ÍRT[BhTc xpÌ[y_BTI
Gd$M­E+
BhTjÑojidkn`]^ÍRT[BhTjÑoj[“_BVO
9BKN~F
BhÝW àä¨I¾]^ÍRT[BhÝW[¦_ÉW
¢9VBoM
Bh¸Œ pöYÚTvA^ÍRT[pöYÚTE[­_9A5
 @G/s/8
B„eÜhÉR]^ÍRT[¾R’N‚S[V”06
¨J)<g3=
Bt•úLj]^ÍRT[Bt•úLj[e_HLB
¡E2As-<
Bt•úLj mza`]^ÍRT[Bt•úLj[h_BVX
œAI@yDQ
Bta wåv®Tw[áfØ¼LD[Bta wåE[p_BTR
œ<=Yy'
BtTs eTc×TIa`]^ÍRT[¤CeE[¸_¤C
ŸHKFuNP
BtTjbm¯ àä¨I¾]~L˜GÓrgD[BtTjbm¯[ˆ_BTL
¡H05s-
BtTjiOde]^ÍRT[BtTjiOde[NV_Bƒ
CFAW’R:
BAU©—veTc×TIa`]^ÍRT[BAU©—E[¶_B©
8NIO|BF
BAUcØ¼LD[m•E[ˆ_60D
¢I81qD!
BAXj Mdkn`]^ÍRT[BAXjY[­_BHC
¢=HPp5D
BAXTcbOdq]^ÍRT[ŠdeÜO®[h_BPK
›B4&z:,
B‹”€D’]^ÍRT[lÔsÑoj[M‡ W29
¦DXAj1N
B‹b´ mza`]^ÍRT[B‹b´Y[…_BYY
9:X6}QN
B‹ieÚTvMdkn`]^ÍRT[B‹ieÚTE[`_1R8
ž<R+uO(
B‹rg‡dq]^ÍRT[^a €¾R[¸_Y77
L@Dy94
B‹ÍRAc«w®[B‹ÍRT[Å_23N
¨FK9g!(
B‹ÝWûA^ÍRT[B‹ÝWN[…_HPY
8;M(|W(
ÿAu]^ÍRT[ÿAu[Ì_20U
?LU=…XU
ÿAub´ A^ÍRT[ÿAub´Y[¥_2D7
£FDMo?3
ÿ`vAFB]^ÍRT[ŸáÑoj[{_B–
DE&(—8*
ÿhbm¯ 3]^ÍRT[ÿhbm¯[y_Z48
B]@0º&E
ÿh p~bOdq]^ÍRT[š€S[‘_1U7
BH,Y2<
ÿh T¤P]^ÍRT[ˆN‘“A[‘_1U0
CHX=3!
ÿh°]^ÍRT[Šd‘A[h_7M3
›@=K{=L
ÿt€°idkn`]^ÍRT[ÿt€°[‚_B¼
:F0#~K-
ÿtq]^ÍRT[ÿtq[NV_Bq
CBQF’M)
ÿAUF\àä¨I¾]^ÍRT[ÿAUF\T[â_hW
£>6JnD"
ÿAUF\è„ü®R€—Ø¼Lò]^ÍRT[ÿAUF\T[â_NÇ
£>:PnI'
ÿAÞaTg]^ÍRT[ÿAÞaT[§_07S
9CE?~=F
ÿAÞaMdkn`]^ÍRT[ÿAÞaT[…_BÆ
8<"+|*T
ÿA}E­R‡mza`]^ÍRT[© €D©R[p_D€
›<OT{26
ÿA¾R]^ÍRT[ÿA¾R[y_WBQ
F`3J±65
ÿA¾RbOdq]^ÍRT[ÿA¾RØ`½[š_Bú
¤FL3n5;
ÿA¾R xpÌ]^ÍRT[ÿA¾R xpÌ[ˆ_SJX
¡KG>s@
ÿA¾Rihž]^ÍRT[ÿA¾Rihž[\_2S2
EI%E—N=
ÿA¾Ridkn`]^ÍRT[ÿA¾R[“_K44
<BMS‚=C
ÿA¾Ridkn`]^ÍRT[ÿA¾R[¨_U52
BD+PŽF=
ÿŒ‰ºO¾]^ÍRT[w®[Å_K16
§I-!iB.
ÿDF\‡dq]^ÍRT[ÿDF\D[š_HMZ
¥F#(l<O
ÿDF\‡Mdkn`]^ÍRT[ÿDF\D[_Y46
8FD.|IL
ÿäHØACÝá]^ÍRT[¸u´A[§_ÿC
:CGD*T
ÿäH €¾R mza`]^ÍRT[jXeÀa-šRÃý[é_P¾
žAE5v)I
ÿÔojidkn`]^ÍRT[ÿÔoj[…_ÿA
::3QM=
ÿjûmza`]^ÍRT[ÿjN[NM_BRG
?@DKˆP)
ÿLölidkn`]^ÍRT[ÿLöl[®_Bl
ªJ6@cI
ÿLjØO}uvMdkn`]^ÍRT[ÿLjØO}uE[ë_EFC
>JJ"…QI
ÿLj Gp© ltvMdkn`]^ÍRT[ÿLj Gp©[¦_X10
¢8GTnEC
ÿLj²pevMdkn`]^ÍRT[ÿLj²peE[_TZT
œGRJz/"
ÿLjFaevmza`]^ÍRT[ÿLjFaeE[¥_ËJ
¢F42qO'
ÿLjFaTvA^ÍRT[ÿLjFaTE[š_N96
¦FS&kNX
ÿLjúLj]^ÍRT[ÿLjúLj[ˆ_43G
¢H(Dq>H
ÿLjúLjidkn`]^ÍRT[ÿLjúLj[§_RPB
:EO"EA
ÿLªNGÁM eTc×TIa`]^ÍRT[ÿLªNGÁM[›_Bª
FNM@˜>-
ÿLŠÌidkn`]^ÍRT[ÿLŠÌ[_Y48
›HQ({AG
ÿ˜´]^ÍRT[ÿ˜´[¸_44C
žH;RvX!
ÿLTZúLj]^ÍRT[jH±HÝN[š_14N
§FPEiD%
ÿ»­]^ÍRT[ÿ»­[y_BLG
D[(5µ I
ÿLZaIidkn`]^ÍRT[ÿLZaI[Ö_1M2
?&Ix<U
ÿˆDJI mza`]^ÍRT[ÿˆDJI[¶_BJI
8M<E|V#
ÿÊHŸRîA^ÍRT[Aåµ[Æ_3U7
CM:UŽR2
ÿÌidkn`]^ÍRT[ÿÌ[\_BDN
EJ#F—*
ÿÌ±O]^ÍRT[Ý¹Rb´Y[š_74N
¦F?>j?A
ÿNõˆû€¾¤ N\¼­]^ÍRT[xp ©b¬EB¤[PR_CPX
©00M_0,
ÿN‚—]^ÍRT[Ùª³}Y[M‡ 1N5
¦D6LiC
ÿýaidkn`]^ÍRT[ÿýa[¶_BBB
9K1U}E 
ÿýaidkn`/š¬ ~RuÞØ¼LD[ÿýa[ç_E95
@=YXŒ3;
ÿÏabOdq]^ÍRT[{M©N[é_0M4
žB@v%;
ÿÏaØ¼LD[mDDeG[{_O85
DF@7˜68
ÿÏaidkn`]^ÍRT[ÿÏa[o_H96
žD=vV"
ÿÏaúLjidkn`/˜UxvM |ôsØ¼LD[ÿÏaúLj[h_VBT
8B2G|+(
ÿR~j dq]^ÍRT[ŠÊ§b\‚R[â_M§
£?)#n +
ÿRªûmza`]^ÍRT[ÿRªN[NH_BML
©J@=e(?
ÿRMUÒ ì‚‰A^ÍRT[šLM ¢€NÛ[{_UDD
B?JT’.;
ÿRMUDûãLj A^šRK[K¤LLÝWN[š_07N
¦Fk,
ÿR×R‡µF‰A^ÍRT[ÿR×RD[‘_U54
CJXMJ#
ÿR€sbOdq]^ÍRT[×žúLj[­_4J2
¡=*Kq+=
ÿRŠaE A^ÍRT[÷—E[Æ_BTM
CKW/Ž;Q
ÿS£®R ÏøA^ÍRT[ÿS£®R[`_¯Y
Ÿ?0KtUA
ÿ|f ®Š€`]^ÍRT[ÿ|fY[Š_75K
8F.C|9
ÿ|g]^ÍRT[ÿ|g[y_ÿT
@ZLI¿P,
ÿ|g mza`]^ÍRT[ÿ|g[®_0B1
©J7=dNB
ÿ—j‰A^ÍRT[ÿ—jS[y_B—
D`TPµ=K
ÿTZ]^ÍRT[BªSSrgD[ˆ_44G
¢GQ0qR-
ÿ¬AH]^ÍRT[ÿ¬AH[Ì_95D
=M-"ƒNT
ÿ¾Rï mza`]^ÍRT[ÿ¾Rï[Ÿ_BVY
©HA!dTX
BIBBbOdq]^ÍRT[°ÏmúLj[`_0A8
Ÿ>V+u#8
BkYþvp~]Rù]^Ø¼LD[F\^¸N/Bhl†[{_BYS
BA.P’CN
B‘©F\‡Mdkn`]^ÍRT[B‘©F\D[®_B19
©I9Qd:3
B±”h µF‰A^ÍRT[»CoE[‘_1Ò
DK>"’=Q
B±”ŽRb´ A^ÍRT[B±”ŽRb´Y[{_L35
B@-P’Q4
B±”s‡¤ÊH ltvšRîA^ÍRT[PmñDIO[…_3T9
=;:.…V)
B±bm¯]^ÍRT[B±bm¯[‘_U60
DK&‘10
B±Ø`½idkn`]^ÍRT[B±Ø`½[¶_7Y9
›N* {KK
B±ØOOA^rgD[›L¿R|[¸_7V3
ŸH=DvE#
B±Ü\ûdq]^ÍRT[ÁRDe[Æ_00U
@KJF‰ED
B± p~]^ÍRT[B± p~[y_BGQ
E[>#³NK
B± ÙÌ A^ÍRT[B± ÙÌY[Æ_3U8
BN'NŒ$Q
B± ÙÌ mza`]^ÍRT[Pmla³}G[K  SJS
¢CK!pD*
B± ™ rgD[C¬ÿRTÃN[Æ_S85
?N'+†<-
B± Ã¨Hcû÷—vA^ÍRT[tOˆCb´Y[‘_U46
CI7W!2
B± ¢€NG/èiAN-W€NKj]^ÍRT[B± ¢€NG[…_BPG
<>*Kƒ=0
B± TI¡c]›R‡rgD[B± TI¡c[Æ_6S0
BKN5‹XH
B±F\îMdkn`]^ÍRT[B±F\K[¶_FOZ
›MM {E"
B±Û]^ÍRA^ÍRT[¹L½ÝN[“_3“
:AEF&
B±Û]Rù]^Ø¼L‡(F\BªSS)]^ÍRT[F\BªSS/g²„O/[…_BIF
>=PXˆ4N
Boøf‡HopábªÏa ÏL/ôƒ‰rgD[ª—j wŒ[h_ªT
›@ILz+;
BoøPåHØ¼LD[Rµ£LLúLj[`_M22
ž@8HuHH
BoªNÛ ˜­ûeTc×TIa`]^ÍRT[BoªNÛ[Æ_Bo
AKN:Š>C
BoïØmvMdkn`]^ÍRT[ìŸS[h_0M0
œ?S"y>!
Boï Ó¤ rgD[uAPóLL[‚_CNP
=G"E„9Q
Boïi´ugøA^ÍRT[Á—c„[Ê_H£
¦A+XiC"
B^ubm¯]^ÍRT[B^ubm¯[y_Z91
F`.:¯O#
B^u¿«]^ÍRT[B^u¿«[y_ÇV
E[6X³<<
B^‡·ÓA^rgD[KRÞ[…_E58
:?052P
B^ˆNGÁM-ž¨TjS¿R| eTc×TIa`]^ÍRT[B^ˆNGÁM[`_BHM
Ÿ??PtK&
Bxÿv·åp‰eTc×TIa`]^ÍRT[·åp‰BxÿE[ç_ìG
@=:&‹B,
BxÿvMdkn`]^ÍRT[BxÿE[ç_P04
@=4&‹S
BxP]^ÍRT[©{T}[…_76T
:?.'9%
BxP]^ÍRT[BxP[{_BIH
CC45”3O
BxP eTc×TIa`]^ÍRT[¦eT[ˆ_FÏ
¢HWVqJG
BxP-¸ÌÁM]^ÍRT[BxP[…_07R
:9BCK'
BxP'‰pÌeÓA^ÍRT[°ª×[…_T80
9?4A~IJ
BxŸRŒiœ\øA^ÍRT[BxŸRŒ[Š_H57
CK>xC
BxŸRŒidkn`]^ÍRT[BxŸRŒ[Ì_Bx
<LL4‚JK
Bxaidkn`]^ÍRT[Bxa[ë_6V5
=K=$„:"
BpŒ”¨TvN\|]^ÍRT[¸NIFmD[Æ_BB0
BMPJ‹)+
BpŒÜo½-þY© kvrgD[¢ŽRrž[ë_¢F
>J:R…M(
BpŒ ¤P‘‰A^ÍRT[BpŒ ¤P‘S[y_5BK
F]>%¯QE
BpŒ €¾RØ`½]mÎA^ÍRT[BpŒ €¾RØ`½[¸_ÇK
J-!xQ1
BpŒÁWîA^rgD[ŸDxa[¸_87Y
žI$/w)&
BpŒ¹LL-ÝNæ›idkn`]^ÍRT[BpŒ¹LL[“_BKN
:BJH2X
Bp©NÉw]^ÍRT[Bp©NÉw[Ê_3W6
¤@>@lLG
Bp^ àä¨I¾]^ÍRT[Bp^[‚_B
9G6S~$>
Bp^l†ûA^ÍRT[Bp^l†N[NJ_1N7
§FX.hYQ
Bp^Ñoj]^ÍRT[Bp^Ñoj[­_DZJ
¡@Q.qYP
Bp~Ø¼LD[©L[_AJZ
@DM&Š!I
BpÊÎA^ÍRT[BpÊA[_05V
?C6F‡?$
BpÌeÓMdkn`]^ÍRT[BpÌeG[¨_BDG
@CA‹;
B˜Œ xpÌ ltvA^ÍRT[B˜Œ xpÌ[€_B‘
©G(#e@F
B˜OMrg‡Mdkn`]^ÍRT[B˜OMrgD[_4K6
œFIVz7H
B˜OMrg‡Mdkn`]^ÍRT[B˜OMrgD[‚_84Y
:H@MF7
B˜OÖ÷RÓMdkn`]^ÍRT[B˜OÖ÷RG[š_N13
¦FYRj8%
B˜S£Ridkn`]^ÍRT[Ê\D[§_CNK
:E?E%
B˜YcØ¼LD[ÝŸH[¸_Y72
IX@x:P
B»v{Åa - ÅAŒ]^ÍRT[œ±¤Ï ­P[{_B»
DE.<–HA
B»vŽR|idkn`]^ÍRT[B»vŽR|[¶_³U
8IAI|#@
B»vº„‰A^ÍRT[jXeÀa[K  jX
¡D *rB=
B»vHca]^ÍRT[­L»PúLj[Å_N25
¨HGPh)X
B»v€D’]^ÍRT[ŸRTeÑoj[ã_ÆV
¤BCSn*
B»EB^‡HoøA^ÍRT[~´HúLj[p_5F5
8>2G{N
B»Ð]^ÍRT[B»Ð[¨_66V
@C-0‹CY
B»ÐÝûA^ÍRT[B»ÐÝN[¥_5G7
¢FS&qR%
Bï|vA^ÍRT[Bï|E[{_BLH
A?C'I
Bï|Ôojidkn`]^ÍRT[Bï|Ôoj[h_Hæ
AV7wOQ
ÉhDŸûA^ÍRT[ÉhDŸN[\_M50
EKNS•O,
ÉB”yciœ\øA^ÍRT[K×[y_N
@`X@¾81
ÉBÜOó]^ÍRT[÷RBfK[{_÷R
B@* ”3=
ÉBiAX¹Lø®Š€`]^rgD[O°fñ©[{_“B
B?+#“3#
ÉB ñ~‰A^ÍRT[CmlúEW[¦_°W
Ÿ<LJt=2
ÉB í´vrgD[ZgL¿«[¦_X61
¢:J%oCK
É{ ¤ÝûA^ÍRT[É{ ¤ÝN[¦_ÇT
£84In$:
ÉEeÓrgD/KeÓdq eTc×TIa`]^ÍRT[£tTj[›_Br
FM=N˜0%
Éc‚ lA’]^rgD[ÙûfÝNIO[…_5C1
;;I6€GF
ÉGÛØ¼LD[¢s°R[WV_µW
£DO8o2V
ÉGUvrg‡è`F]^ÍRT[S›ýÉw[Ê_NJM
¥@G7kJ
É^vrgD[×žUA[NH_„H
©HLWe<Q
Éx”pÊ xpÌ]^ÍRT[Éx”pÊ xpÌ[ˆ_6Y1
¢KKYr<,
ÉxvA^ TRML/Õ¹ûrgD[ÉxE[‘_ÉI
DI?R’+4
ÉxvC´ A^ÍRT[ÉxvC´Y[“_17K
=BL:„<D
ÉL‡A^ÍRT[fu\A’[y_A13
E[2;²YV
ÉªÌcØ¼LD/ÝOgvãLj A^ÍRT[ÝOgE[¨_TVY
BFBKŽ3!
ÉªNGBw“'‰þ† eTc×TIa`]^ÍRT[ÉªNGBw“[o_1C5
ŸGGKv%L
ÉªãRidkn`]^ÍRT[ÉªãR[Š_M17
›CAN{2R
ÉLªN’R-C¤S‰®Š€`]^ÍRT[ãû÷mN[Š_Š5
œC@y7
ÉLÝûrgD[»¡µ[¥_TZR
¢ET"q&+
ÉŸRØ¼LD/žgBYúLjidkn`]^ÍRT[žgBYúLj[é_SYI
ŸA?@t8?
ÉN‚ Tcmidkn`]^ÍRT[ÉN‚ Tcm[Š_1BT
CU&x@=
Éavdq]^ÍRT[jBfa[e_6I4
 F8t88
Éavdq]^ÍRT[ÁR€ÃN[h_Hw
›B-G{'/
ÉavMdkn`]^ÍRT[ÉaE[_BNW
›H X{PQ
ÉaÔojidkn`]^ÍRT[ÉaÔoj[h_4M2
8A&X{QN
ÉaÔoj/B`DWYûA^ÍRT[ÉaÔoj/B`DWYN[Ö_8M1
ž@A=vDU
ÉaúLj]^ÍRT[ÉaúLj[{_D83
DEP™4T
ÉaúLj]^ÍRT[ÉaúLj[e_I91
ŸD >u0X
ÉRmÕß`j A^ÍRT[ÉRmÕ ¢€NÛ[{_L08
B?-?’1-
ÉR|Ø¼LD[®ôE[§_3K4
<C09‚:A
ÉâOÿøA^ÍRT[ÉâOÿL[¸_OVS
I'ExF8
É—eŽUidkn`]^ÍRT[É—eŽU[Ì_D09
<NOP‚7 
É¬©R]^ÍRT[É¬©R[Æ_3U9
CL*HŽ$9
É¬©RbfYa]^ÍRT[ÿLDeG[ˆ_56C
¡I">s.%
É¬©Rb´ Mdkn`]^ÍRT[É¬©Rb´Y[NV_BVU
BAVPQF
É¬©RêdCTIa²‹Zc]^ÍRT[É¬©RêdCTIa[¸_BDJ
žL&+wDQ
É¬©Ridkn`]^ÍRT[É¬©R[_Bì
?F 4‡+@
ÉdÒá]^ÍRT[ÉdÒá[y_BYA
H^"H«$N
ÉdÒábOdq]^ÍRT[ÉN‚R‰Fcá[‘_65S
ENI?’/I
É}pÌØ¼LD[F\¿R|[…_50F
:>@UA9
ÉWÿL½idkn`]^ÍRT[ÉWÿL½[Ì_5B4
>NNA„,J
ÉWDjidkn`]^ÍRT[ÉWDj[ë_8ë
<K84F=
É¹RŸûrgD[ÄM[›_HQM
FLX.™V*
É¹R‰rgD[gjý÷RG[›_gN
EM #–=J
É¸vMdkn`]^ÍRT[É¸E[…_0F2
:?B$L>
ÉWªNÓºEsidkn`]^ÍRT[ÉWªNÓºEs[Š_H19
œE4-y++
ÉWªNÓºEs-›Rmûdq mza`]^ÍRT[ÉWªNÓºEs[K ”WG
 BWRt7)
ÉWŸûrgD[fAÌA[Æ_3U3
CL'*ŽR"
ÉWŸûrgD[ª¾RŠmØ`½[®_B10
ªJ6Bd&L
ÉWŸûrgD[˜UxúLj[K  ˜U
 D+GsEO
ÉWŸûmza`]^ÍRT[ÉWŸN[Ì_BWW
>L'V…0!
ÉY°úLjidkn`]^ÍRT[ÉY°úLj[¸_3T3
œK Dz/
ÉY‚b´ Mdkn`]^ÍRT[ÉY‚b´Y[ˆ_N98
¢K*>rY6
ÉY‚iOde]^ÍRT[ÉY‚Ø`½[ˆ_Bö
¢K'WrU9
ÉZœf Yg˜WlaveTc×TIa`]^ÍRT[ÉZœf[Æ_BZN
BKLD'
B¤°úLj]^ÍRT[‚WÝûöL½[¥_41N
¤G*FnX'
B¤ŒÚrgD[pßc‚[{_ÍC
B@#<“LT
B¤©ûA^šRK[Žla[š_N43
§FJ>i,A
B¤DF\‡dq]^ÍRT[Ý›ÌA[š_N27
¦GJ6j8P
B¤DF\‡mza`]^ÍRT[B¤DF\D[š_BFD
¥GN)lD6
B¤Dj eTc×TIa`]^ÍRT[¸ÌÃR ˜ŒS[C”DL
¨GV3fG"
B¤Dj ™Y-¤ÊH]^ÍRT[N\|²E[y_95Z
F^K?±5.
B¤DžAW]Rù]^rgD[{ð²¥y¬OA[HI_BSF
@1KB¹?,
B¤ec‡p~‰mza`]^ÍRT[B¤ecD[¶_BRD
›L6-|& 
B¤ÊHbOdqiœ\øA^ÍRT[LD›Tc[ˆ_OEB
¡GVs!&
B¤ÌY¸‚ mza`]^ÍRT[¹lbH•Tc[š_OQN
§EY6i@U
B¤NÁÖ]^ÍRT[ÒRªNÀa[â_6J7
£@.TmUE
B¤ýa]^ÍRT[B¤ýa[Š_BBG
›B=U{* 
B¤ýa ¹lidkn`/œcÃûrgD[B¤ýa ¹l[Š_FWB
›BGU{6&
B¤Ïj dq]^ÍRT[×Hd[­_4J1
¢=*4oT4
B¤Wj Mdkn`]^ÍRT[B¤WjY[{_BWC
B>YA‘= 
B¤XÝûdq]^ÍRT[S¨ÝN[WV_48I
¤DG,nE%
B¤Zobp dq/uhj‰BÜ`ørgD[B¤Zo[e_0I2
ŸE:Bu#Y
BmŒe€D’bOdq]^ÍRT[ÁRDe³}G[K  I93
 CM#t8;
Bm®RÝûÏøA^ÍRT[Bm®RÝN[›_PWT
FM;7˜KS
BmNÁMidkn`]^ÍRT[BmNÁM[…_11R
9<+)~4:
BmN×Ì]^ÍRT[‚sAH[¸_79C
ŸJ'@v?H
BmN‚RØ¼LD[öL½b´Y[‚_FNB
9F"J}A=
BmSSjRØ¼LD[B^‡C´Y[§_5K0
=EJEƒ?5
BmSÃûA^ÍRT[ðÝN[o_C82
žGKKw$#
BmúÓˆSña]^ÍRT[BmúÓˆSña[y_KTS
=_1SÄ9W
Bm¹R]^ÍRT[Bm¹R[®_0B2
ªJKPbL"
BmWlcØ¼LD[LDm’[‚_H©
;F9%2(
BmWÝûMdkn`]^ÍRT[BmWÝN[`_12J
Ÿ=!!u" 
B€D’ÍRMdkn`]^ÍRT[B€D’ÍRT[…_XBP
:?(8OH
B€D’ÍRT/ñK\™ A^ÍRT[B€D’ÍRT[C”DR
¨G'Og%@
B€D’Ridkn`]^ÍRT[B€D’R[Æ_6S1
AK/<ŠU?
B€D’›Tc]^²hK[B€D’›Tc[ã_VBW
¥D3UlW>
B€GÁMb´ mza`]^ÍRT[B€GÁMb´Y[¨_Bè
BG?.Ž!J
B€GHÝûA^ÍRT[B€GHÝN[ˆ_45G
¢H@*qLI
B€—aidkn`]^ÍRT[B€—a[ë_Bé
:KNTJ@
Bwôµ]^ÍRT[Bwôµ[Æ_00F
?K:,‡98
BwDHŽ‡A^ÍRT[BwDHŽD[¸_C37
žHAJw4S
Bw~ûÉWidkn`]^ÍRT[Bw~ûÉW[“_90F
8@M|K<
Bw~ûÉWidkn`/~´H GpZvrgD[Bw~ûÉW[‚_BBW
;G8)D>
Bw“Á¾ûA^ÍRT[ž^jY[Å_HWV
¨FO1fR
Bw“Á¾N-ªÊûdq]^ÍRT[Bw“Á¾N[Ö_1R7
œ=B3x6@
Bw“eÛ]^ÍRT[Bw“eÛ[\_ÉK
EH"8š/5
Bw“eÛ mza`]^ÍRT[Bw“eÛ[ë_BKX
:J0.~O&
Bw“ïûA^ÍRT[Bw“ïN[ˆ_6G8
¢H#Er,9
Bw“‚`/{ðÿLødq]^ÍRT[Bw“‚`[ã_0V4
¤C&<mY
Bw“‰dq]^ÍRT[öLF}€„[…_B§
:9*4€%.
Bw“‰rgD[ŸRž`L[ˆ_Rù
¡H-"rW2
Bw“Ñoj-ðÎB‹ mza`]^ÍRT[Bw“Ñoj[¦_BKV
¡::6p94
BwOTsidkn`/J¥ûO”¥®RØ¼LD[BwOTs[¶_6D1
8K;Q}$'
BwWûdq]^ÍRT[’\’ÝWN[¥_’O
¢DRUqRX
BwWûrg‡Mdkn`]^ÍRT[ÙûD¼Õ[{_ëM
B>@2’XO
BwWýúLj/Ã¨H²ôm xpÌ eTc×TIa`]^ÍRT[BwWýúLj[…_Bw
:7T47@
BwWN¿« mza`]^ÍRT[BwWN¿«[…_BWD
;=MC€W5
BRU°bƒPÿLørgD[ŸDxa[Ö_¡O
>81x$)
BRU°Ø¼LD[B`ªN’R[…_E30
;=F:XC
BRU°iŽ·W‰A^ÍRT[lfjY[‘_U63
CJ6V‘1
BRdS¸ŒbOdq]^ÍRT[pWmÊÔoj[ã_LVL
¥BL;kMD
BRdS¸Œ àä¨I¾]^ÍRT[BRdS¸Œ[®_BXM
ªIS>cV2
BRdS¸Œ ÕL©ûxj‰A^ÍRT[BRdS¸Œ[­_BQK
¢=-?o9Y
BRµHidkn`]^ÍRT[BRµH[_7V5
>F-R…@>
Báfhù]^Ø¼LD[F\€uhDÃû(fu\A’)[y_FRN
E[-W³E*
BáfrgD[B€D’ÍRT[{_O57
CD-S•+4
Bá°bfYa]^ÍRT[Bá°bfYa[¨_ÇE
ACH5Ž&K
÷uf]^ÍRT[sGj¿«[¦_X36
¡8Y6p48
÷uffØ¼LD[Ê\D[{_CCR
DCY5˜!7
÷ŒEYvMdkn`]^ÍRT[÷ŒEYE[ç_BXK
A?73ŽG(
÷ŒpÌ]^ÍRT[÷ŒpÌ[y_BVK
@_XT¿&W
÷Œj ¢A°Ø\°”„vA^ÍRT[A}\A[_BKF
>EH$†K%
÷ŒªûA^ÍRT[÷ŒªN[§_8K0
;C>JD>
÷Œ‰A^ÍRT[B€D’ÝN[NJ_00N
§E:7i)"
÷Ð`O]^rgD[÷Ð`O[Å_9G0
¥HQIlI
÷Ð`Oidkn`]^ÍRT[÷Ð`O[“_BFK
;BQNC%
÷Ð`Oidkn`]^ÍRT[÷Ð`O[¶_CFE
›K'>{PB
÷Ð`Oidkn`]^ÍRT[÷Ð`O[Š_H17
›CE-{#+
÷Ð`O N­¤ eTc×TIa`]^ÍRT[÷Ð`O[Å_÷F
¥HV8lIP
÷Ð`O-pÊ„Tc mza`]^ÍRT[÷Ð`O[Å_BQR
¥HU1lBI
÷HøMdkn`]^ÍRT[÷HL[‘_U03
CHAQN 
÷LLFwÓB„e]^ÍRT[Gjû{Åa ×TømC]mA[¨_U07
AC>KŒHN
÷LLíAŒc]^ÍRT[¸NIFmD[Æ_BW8
BMPR‹#X
÷LrgD[Š‚E[o_C56
ŸG4EuFM
÷L¾R©]^šRK[ÙûfÝNIO[…_1T8
:;J4€9#
÷NK¼idkn`]^ÍRT[÷NK¼[p_2R6
›<W6z,!
÷R’S‰rgD[BwWûC´Y[ˆ_55D
£I(PpY
÷R~bOdq]^ÍRT[›Y‚³\O[­_BXG
¢? 9p-
÷R~ p~FwÏ]^ÍRT[þÔgfD[¥_BKL
£G="oFX
÷Rj Mdkn`]^ÍRT[÷RjY[‘_BYI
CH>?L0
÷RªNÀaidkn`]^ÍRT[÷RªNÀa[¸_÷U
ŸHG9v0/
÷RªNÀa/`ƒf° mza`]^ÍRT[÷RªNÀa[Ê_÷Y
¤B Ym:5
÷R‚Mdkn`/æTvC¤D·ŒØ¼LD[÷R‚T[…_BMQ
:<J2€,1
÷R‚—bOdq]^ÍRT[ñmN[¸_RZN
œKO6z47
÷Rýidkn`]^ÍRT[÷Rý[\_BNO
DIA=”W2
÷TjR]^šRK[w£ÜoL[§_6§
:C??!T
÷TjRbOdq mza`/­ûrgD[ÁˆLÝN[¥_ÁO
¡E3Pr=1
÷TjRØhM ž†]^ÍRT[÷TjR[š_3G9
¤FQ'mX;
÷TjRiœ\øA^ÍRT[÷TjR[Š_÷M
8D/5|26
÷TjRidkn`]^ÍRT[÷TjR[­_6A1
¡>@$r,N
÷TjR/uOCWbOdq]^ÍRT[÷TjR[`_09A
ž>%(v%E
÷—vMdkn`]^ÍRT[šL®R[y_y1
E[=O³!
÷—vãLj A^ÍRT[·R€S[{_A32
EGS,—X>
÷—cß`j ÕLF²\A^ÍRT[B`ï[š_7N8
§F5Qi?M
÷—‰hù]^Ø¼L‡(F\{RÃN)]^ÍRT[F\{RÃN[_FCS
>DFH†K5
÷ZZhD‰wOl]^ÍRT[eA[“_O18
9B&D}7"
÷ZZ¸Œ]^ÍRT[{RjÝN[ˆ_W87
¢H"q42
BYcj A^ÍRT[p~²wú©ÊE[p_0M8
œ>O?y).
BYwûA^ÍRT[BYwN[{_C83
DCOH—C?
C]iO\vA^ÍRT[jXeÀa[Ö_19M
?%>x>
C Òú‡{ðÿLørgD-Rñ{×idkn`]^ÍRT[Rñ{×[…_CRS
9>G~6 
C v'Rµq' ¸Lªƒ‰A^ÍRT[ŸýrgD[p_3F3
8>"4{KV
{Bfx‰rg‡NF]^ÍRT[RPµbH€lI[…_NGW
:9H'82
{Bebm¯ µF‰A^ÍRT[B±bm¯ ¤N’R ltIa[‘_I08
CK&CUJ
{Bj]^ÍRT[UPpÌ[{_CCB
B@$H“G-
{Bj dIa]^ÍRT[{Bj[¸_3CU
L)Hy,T
{Éiœ\øA^ÍRT[{É[Š_TVB
œC%Wz# 
{D·io½idkn`]^ÍRT[{D·io½[…_7F3
9? (~,A
{e]^ÍRT[Sª©LL[…_T28
:?3.83
{eØ¼LD[lf¿«[ˆ_38C
¡IATs;?
{^ý]Rù]^Ø¼L‡(F\RUŒc)]^ÍRT[F\RUŒc[`_OZR
 =.?sHN
{^O mza`]^ÍRT[{^O[o_C^
žC!Qw+(
{^O-ºô dq]^ÍRT[{^O[­_70J
¡<S/r'/
{øBpŒiœ\øA^ÍRT[ÁL½bwSñNG[¨_U96
AC8%Œ?Q
{p¾¤‰dq/Ÿ} ¤SMµ£ûrgD[ÙûfDm„[{_CPU
DD&L–DS
{LD¹Løàä¨I¾]^ÍRT[{LD¹LL[‘_E¬
DID=’D'
{LD¹LøMdkn`]^ÍRT[{LD¹LL[§_01K
:C *A&
{LD¹LøMdkn`]^ÍRT[{LD¹LL[…_RWV
9<<V~H-
{LD¹Løš€ž]^ÍRT[»¡[p_F86
›>%2z!.
{j·NbOdq]^ÍRT[ïÌaúLj[VbÒ
©J@'f#
{jXkO eTc×TIa`]^ÍRT[{jXkO[{_CXL
A>F!‘=!
{LÁûA^ÍRT[{LÁN[_5V4
>E T†/A
{LdbOdq]^ÍRT[P´T³\O[Ö_04M
?UNw2B
{LdbOdq]^ÍRT[B˜dTl†N[¦_F95
 <;+s$P
{LdbOdq]^ÍRT[ÍRpã{[…_PKV
9:E*~FX
{ª wŒidkn`]^ÍRT[{ª wŒ[h_37T
œB'Wz&I
{ªF\Nb´ Mdkn`]^ÍRT[{ªF\Nb´Y[{_L71
BA'"”
{ªF\N²e•]^ÍRT[`T}„[{_A24
DG6J–G 
{ªF\N mD¿«bO„T-HÞÉLDdq]^ÍRT[h{/E}¯A[{_ACV
EFXFš$<
{LKe‰rgD[›YpÌ[ˆ_41C
¡HG<sDP
{LãÒiŽ·W‰A^ÍRT[šHRÞP[NV_74P
BB.1‘YI
{ŸNO xpÌ]^rgD[lf¿«[›_13W
FN-7˜8(
{Ÿ€L˜]^ÍRT[{Ÿ€L˜[{_CŸ
C@*P•#F
{¡€D’idkn`]^ÍRT[{¡€D’[¶_CBG
›K?9{-Q
{¡€D’idkn`]^ÍRT[{¡€D’[¥_CDI
£EX<o@E
{¡€D’idkn`]^ÍRT[{¡€D’[‚_C³
<F06‚'I
{¡€D’-·Ru•Tc mza`]^ÍRT[{¡€D’[M‡b’
¦D>4jO
{M©ûMdkn`]^ÍRT[{M©N[`_61A
Ÿ=XMu23
{M©Ïaiœ\L-p~ mza`]^ÍRT[{M©Ïa[Š_OZS
›CX4zG8
{®wûdq]^ÍRT[ÍRx–g[…_Po
:8'X2K
{®wû®Š€`]^ÍRT[{®wN[Š_EZZ
8EIE|.A
{®wûMdkn`]^šRK[{®wN[…_T35
:<RJ~X2
{®wûšRîA^ÍRT[{®wûšRK[{_O61
DDG –Y-
{ˆLp-ˆTugødq]^ÍRT[{ˆLp[­_CXU
 =*Mr,%
{ð”pÌeÓhù]^Ø¼L‡({ð”pÌeÓˆøm£RãTIa)]^ÍRT[{ð”pÌeÓˆøm‰(lh~)[¦_2CB
¢;W%oXM
{ð GUcýE A^ÍRT[GUcýEY[W  G}
?H-A†IH
{ð p~]^ÍRT[{ð p~[¸_49C
ŸH=Fv'4
{ð²Žá LÌÓl€P[¸Lªƒ³}G[ã_W94
¦C0LjD0
{ð²sDjÝûè„üMdûrgò]^ÍRT[O°fñ©[{_NFG
B?0#“31
{ðÿLøA^ÍRT[º‹Sp~[o_C81
ŸH1;v"9
{ðÿLøA^l€P[fu\A’[y_CSR
E['=³LP
{ðÿLøhù]^Ø¼L‡(F\{ðÿLL)]^ÍRT[F\{ðÿLL/PKeÑoj[K ÜOP
ŸBF5u;=
{ðÿLørgD[¹^¿«[ã_9VG
¦C9<iRJ
{ðÿLøMdkn`]^ÍRT[{ðÿLL[Š_34M
B;(xV
{ðÿLL-P¤—]^ÍRT[eDû€¾R[ˆ_Y65
¢K64rAT
{×Dûp~‰A^ÍRT[®lA[ˆ_0C5
¡I@Cs/ 
{×ÌA±UÎA^ÍRT[{×ÌA±UA[Å_IUA
¦HT>k1=
{ÌjªGHöRÖ]^ÍRT[‚WioF\D[C 11N
¨G@'g9I
{ÌOidkn`]^ÍRT[{ÌO[Ì_9D7
;N:N,)
{NNa]FB]^ÍRT[þOúS[NM_CVS
=@4X…12
{NNaØ¼LD[Ã®R£T[…_53T
:;*V€>Y
{Ïaidkn`]^ÍRT[{Ïa[ë_7G9
9I0>~@.
{Ïa-PïŠ¨H-®—Ú`]^ÍRT[PïŠ¨H[ˆ_1D2
¢H2Rq95
{Ï¹LøA^ÍRT[{Ï¹LL[y_—W
E]5:²W2
{ÅaØcá]^ÍRT[ÝWýsD[Æ_8U9
BL7&@D
{ÅapÌ‰mza`]^ÍRT[Š–[¨_CÅ
ADK9‹K*
{ó”pÊO ltvA^ÍRT[ñX•[\_5S6
EHQ;š="
{óbfA¾¤ø¢A°Ø\° ltIa ™‘ l€P[ÎÿAu[¦_XMR
¢::!n@
{ób«]^ÍRT[ŸRlaio½[Ÿ_2B1
©GG%d6&
{ób«bO„GUh‡A^ ltIa[öLŠ¨H[Ÿ_FMH
©GE?d=4
{ób« ­TE› A^ÍRT[HYfNx[Ÿ_HYA
©GF(d.O
{óØŽR mza`êÚÍRT/¸vF¤NKªûrgD[Oy xpÌ[Ê_S¨
¥?UQl"6
{ó z¤R©AU mza`]^ÍRT[{ó z¤R©AU[Š_Cz
C+=w@-
{ó ª³}‚ LRR‰A^ÍRT[{ó ª³}‚[y_»R
=bR<Ä$F
{ói‹bOdq]^ÍRT[¸LD¿«[NJ_WWD
§E<hT=
{ó ‚¹NÁM LRR‰A^ÍRT[{ó ‚¹NÁM[y_EHM
@XDSÀ!P
{ó wŸNZOF LRR‰A^ÍRT[{ó wŸNZOF[y_CZF
>[LRÄ 4
{P´`b´ A^ÍRT[ÁR€³}G[š_CXY
¦F+ jQ#
{P´`b´ A^ÍRT[F¤NKF\T[K ØFT
¡D(TrT6
{P´` mza eTc×TIa`]^ÍRT[pýeG[ˆ_pN
¢HLIrA(
{P´ D€¾]^ÍRT[Bw“rgD[¸_02C
ŸI#5v(L
{RÉûdq mza`/÷Œ Òú‰rgD[P€°[¨_PUC
AEBPŒK$
{m A^ÍRT[{mY[‘_U65
CI0>V(
{€ÉUidkn`]^ÍRT[{€ÉU[®_{R
«LR0b#
{RøFÃM]^ÍRT[gBA[`_14J
Ÿ=6Bt#7
{RªSj]^ÍRT[{RªSj[š_N94
¦F).k(9
{RªSjidkn`]^ÍRT[{RªSj[h_4M3
œ@N<yHJ
{RLÝûpÌeÓrgD[{×DN[“_91F
9A'5}C/
{Rˆidkn`]^ÍRT[{Rˆ[o_C¬
žD#4v%5
{R‚zvMdkn`]^ÍRT[{R‚zE[“_86F
;A%7€@=
{R¤ÿLj-|OðÃûA^ÍRT[{R¤ÿLj[¦_X13
 ;P=rH"
{R€NÀaidkn`]^ÍRT[{R€NÀa[Ì_46D
;M9"'#
{R€ZOZOidkn`]^ÍRT[{R€ZOZO[NM_F37
>?DV‡SL
{RwLødq]^ÍRT[ÿRáúLj[h_4M1
›B4S{C:
{RwLødq mza`/õŒ”²OA’Ø¼LD[¹lˆýTc[M‡ DMW
¦EB<k:
{RwLødq/Ý½a]^ÍRT[{RwLLÝN[¥_TÃ
¤F?Ho"G
{RwLLÝû®Š€`]^ÍRT[{RwLLÝN[Š_K26
›E0J{<6
{RÃûC´ A^ÍRT[{RÃûC´Y[NV_CXP
DE)>•IW
{RTc]^ÍRT[P¬„KI[¸_92C
ŸJD:v*U
{RTcÑoj]^ÍRT[{RTcÑoj[­_VPC
 @%5rPU
{R|A’-jyvdq]^ÍRT[{R|A’[Ö_08M
>KHw=O
{R¨HcÑojiœ\øA^ÍRT[{R¨HcÑoj[Š_M05
B('wFA
{Ù ºf©idkn`]^ÍRT[{Ù ºf©[ç_CGZ
@>W0L
{âôvA^ÍRT[{âôE[‘_U70
DJ;>’S
{âôv˜Œ‰ltvA^ÍRT[{âôv˜ŒS[\_CZK
EKFC—RJ
{£ Mdkn`]^ÍRT[{£Y[o_1H8
ŸE0'v-
{ž®m-Dá©ûA^ÍRT[{ž®m[›_8S2
EM<S–;#
{¢c/×Tw×bOdq eTc×TIa`]^ÍRT[{¢c[W bPR
@HT3ˆ9O
{S£LÝûwÿRˆLjR mza`]^ÍRT[{S£LÝN[Ì_5N8
:LQ,*:
{SÑojidkn`]^ÍRT[{SÑoj[Š_94K
8BGQ{T 
{SÑojidkn`]^ÍRT[{SÑoj[¸_C74
HH-xWX
{lj]^ÍRT[t›Tc[{_®R
CC4P–@#
{lwúLjidkn`]^ÍRT[{lwúLj[…_CVB
;;2?€Q"
{ª×]^ÍRT[Aã˜N[{_AVX
B?60”6W
{—hAåµbOdq-ŽûA^ÍRT[ŽN[Å_E
¥H,:l4/
{ãªcidkn`]^ÍRT[{ãªc[Ì_2C8
:NMCU
{ã×åH”‹]^ÍRT[e[‘_66S
EN=%’O2
{¾RûC´ A^ TRMøA^ÍRT[{R½Bô[NM_CNM
=>2-†-N
{YµvCm¯ µF‰A^ÍRT[{YµvCm¯[‘_C64
DLF‘"5
°Co]^ÍRT[õŒÃNúLj[¦_VQQ
¢<+&oRD
°ÒR]^²hK[tHE[§_51K
8DUR|S#
°ÒRb´ mza`]^ÍRT[°ÒRb´Y[¨_CDC
BCH!#V
°ÒRio½]^ÍRT[ÕR·NúLj[…_3T0
:?P4~NB
°ÒR‰N\|]^ÍRT[BtTj ºOdD[›_W58
EKKR˜<T
°ÒRúLj]^ÍRT[°ÒRúLj[{_O59
DG?+–'V
°ÏsNøA^ÍRT[©N¾R[_Aš
>E@*†PW
°Ïcidkn`]^ÍRT[°Ïc[…_F17
8=OT|'5
°ÏcúLjidkn`]^ÍRT[°ÏcúLj[é_GHM
ŸAP-u8I
°ÏcúLjidkn`]^ÍRT[°ÏcúLj[_TVK
›FG"zT"
°Ï¤øA^ÍRT[°Ï¤L[y_°M
G_@8®LQ
°Ï¤øC´ Mdkn`/pRá me¯vrgD[°Ï¤øC´Y[‚_07K
:G$H€!#
°Ï¤ø˜¤· mza`]^ÍRT[÷sÎúlA[_AEJ
?DNQˆ%,
°Ï¤ødq]^ÍRT[IA[¸_68C
žJ</w?
°Ï¤øo mza`/B˜OˆNÀa-N\ŸøA^ÍRT[B˜OˆNÀa/N\ŸL[o_Bˆ
žF:DvTW
°Ï¤øJc£ mza`]^ÍRT[ŸNúLj[NJ_47N
§F=:hAT
°Ï¤ø~ÏUŒ mza`]^ÍRT[€uŠÌ[K  R­
¡CCTr1W
°Ï¤øŸeE/N\€D’¿Œ]^ÍRT[N\€D’¿Œ[®_†K
ªJHVcQY
°Ï¤ø‚B¤™Îmza`]^ÍRT[ºf‡xpÌ[‚_ºI
;FX!€0A
°Ï¤ø¸âañûA^ÍRT[Šñ‚E[¸_C›
žJLFwEW
°Ï¤øWYOˆNÓmza`]^ÍRT[€¾RÝN[W  €W
AI!QŠ9A
°Ï¤ªÎMdkn`]^ÍRT[°Ï¤ªA[o_sL
žD<Tw#:
°Ïm]^šRK[°ÏmÜ`L[š_N16
¦FNHkE8
°Ïm²¼DŠÏ/uc“Evdq mza`]^ÍRT[°Ïm[`_PYP
 @#6sBB
°SS×]CFrgD[¸u´A[§_°A
:CDU- 
uôwûMdkn`]^ÍRT[uôwN[‚_CDR
>HP-…#I
u`Ú SUZf‚]^ l€P[p~ ›jS[¦_X25
¢9W,oB#
u`KY´ñîA^ÍRT[u`KY´ñK[y_CIK
G`DH­J6
u`ª‰A^ÍRT[u`ªS[‘_LLJ
CJ=7+#
uƒÿRpeidkn`]^ÍRT[uƒÿRpe[ë_9V9
;IKX1.
uƒÿRpe µF‰A^ÍRT[uƒÿRpe GUh‡ltIa[‘_U79
DK4K‘)N
uƒÿR‰dq]^ÍRT[fAHUAC[…_T00
8;L)|EO
uƒÿR‰dq/¸NN¼ l†gøA^ÍRT[¸NN¼/l†gL[…_T90
8;O&|7R
uf G}‚ Mdkn`]^ÍRT[YfKÝN[ë_YKN
:HU5'
uf°F\‡A^ÍRT[BwGUE[š_9W8
¦EQ&j;)
ufÒpR p~]^ÍRT[ufÒpR p~[y_WCR
Ea<.²;
ufÒpR žgF]^ÍRT[ufÒpRbƒP[y_5CD
Eb!V³@M
uf©Lj]^ÍRT[·¾R[©_0N4
§E*&i;&
ufDjRidkn`]^ÍRT[ufDjR[ç_uD
A?.'NF
ufDjR mza`]^ÍRT[ufDjR[“_CQB
:AI9~O+
uf¨vŸRTeê¥ýa]^ÍRT[uf¨E[§_CNU
9CF"};*
uAPeØ¼LD[{¡€D’[Å_1B8
¨I!(g3M
uAPŸû®Š€`Ø¼LD[°Ïc÷RG[¥_6CM
¢F/JpIN
uh´aidkn`]^ÍRT[uh´a[_CÊ
›G){3A
uhj‰Îu„vJRiœ\ørgD[·¾R/FOXCwFT[®_44B
ªK(Ec,G
uhj‰vº¨ZŸucidkn`]^ÍRT[aA­[§_52K
9E;S~(<
uhj‰M âH¬Z/ÃNOŸbOdq]^ÍRT[ÙÏÎwÙ[{_lS
DD<A˜NL
uhj‰Rê¥ýa]^ÍRT[ÍRŸýrgD[…_T05
:8?C83
uhj‰W”yc]^ÍRT[ˆLªNÀa[é_2M8
A.IwUY
uhjla]FB/eTc×TIa`]^ÍRT[uhjla[â_uS
£>SUn 8
uhjla àä¨I¾]^ÍRT[uhjla[â_JZI
£>H"n*
uhjlaidkn`]^ÍRT[uhjla[Ö_09M
?Y;x"I
uhjVOIXidkn`]^ÍRT[uhjVOIX[ˆ_CVX
¡K0/s.=
uh˜—E/·åp‰eTc×TIa`]^ÍRT[uh˜—E[Ê_þT
£A*MnW#
uh˜—E/ŠNwvàä¨I¾]^ÍRT[ŠNwE[Ê_EQY
£A!nC1
uh˜—•úLj-`ÿŸRj]^ÍRT[uh˜—•úLj[ã_uO
¥D&5l9&
u„vC´ Mdkn`]^ÍRT[u„vC´Y[ã_CXE
¥BM0l<$
u„vrg‡eìl€`]^ÍRT[ÿÔoj[…_…2
::3KEI
utÁMidkn`]^ÍRT[utÁM[Ÿ_CQX
©GG0cY5
utNOO­ ™ ÁRÉR]^ÍRT[utNOO­[“_92F
;@4&€FV
uA¨AUÄÎdq/ìNK^îA^ÍRT[ìNK^K[Å_DKK
¥H;Dm..
uA¨AUÄÎdq/õ®l†ûA^ÍRT[õ®l†N[Å_JHW
¥H'*m-;
uEÉY­ûdq]^ÍRT[uEÉY­N[ˆ_SLH
¢KE+r='
uEF\×îA^ÍRT[uEF\×K[y_CFK
?Z&*Â.K
uEÁjM]^šRK[‚WÿRG[\_17S
EK17™!-
uEÁªS-°Ï¤ªÎA^ÍRT[uEÁªS[›_þS
FLFC˜XX
uœEHUÔIß`j A^ÍRT[uœEHUÔIß`jY[{_49X
A@=J7U
usE­”‹]^ÍRT[usE­[y_C05
FZ"I±YG
us×¬eTc×TIa`]^ÍRT[p~bÁRjS[p_CWF
›<*D{&A
ucAWidkn`/ïÊH”gªN’RØ¼LD[ucAW[â_CQW
¤@HLmW7
uc“Evdq]^ÍRT[õŒÃNúLj[…_JÃ
9=R(}+!
uc“Evdq mza`]^ÍRT[uc“EE[_ŒP
9HIT}?3
uc“Evdq mza`]^ÍRT[{Ïa[­_CNI
¡@0Jr72
uc“EvMdkn`]^ÍRT[uc“EE[“_4O5
;BM0€3<
ucábAP´`]^ÍRT[T¤¾R£b´Y[ˆ_TVC
¡JJ<s@U
ucáØ¼LD[NdkA[ˆ_73G
¡I"3tM
ucá²Oeè„üCdNeGÁMØ¼Lò]^ÍRT[ucá²OeT[Ê_NKT
¥@T)jRQ
ucá €D’]^ÍRT[‚ë`E[š_N30
§G<Vi-$
u•Aóyvmza`]^ÍRT[N\FK[ã_CPK
¦BEVj1,
u•Tc]^ÍRT[u•Tc[C SÊ
¨G5f<3
u•TcbtAWBÎmza`]^ÍRT[u•Tc[â_DCM
£@M4o)K
u•TcbOdq ÓObh½a]^ÍRT[t•úLj[š_MQS
¦EXJiQV
uÚ¯idkn`/Ã¨H¿R|]^ÍRT[uÚ¯[¸_Y23
œK05yD+
uÔy]^ÍRT[uÔy[y_ãK
>[>9ÃB!
uE¹pHidkn`]^ÍRT[uE¹pH[›_1S9
EN0P“JB
uEYs‚bOdqidkn`]^ÍRT[lØ¤Êx[§_SYF
=EK?ƒMG
uEYs‚ ŽGj”¨TvA^ÍRT[ŽGj”¨TE[ë_84D
=JY"ƒ-"
uEYs‚ mza`/Jcá ÃûrgD[uEYs‚[W bYS
?G'2†ND
ukAÕ àä¨I¾]^ÍRT[ukAÕ/Pw¢äHE±HTS/íEgeG[o_PWK
ŸH$TuT%
ukAÕi‘› eTc×TIa`]^ÍRT[ukAÕ[o_MDW
ŸGM&uK(
ukAÕ O'Ám eTc×TIa`]^ÍRT[ukAÕ[o_\D
ŸGXCuT;
ukAÕ/wŒF\‡eTc×TIa`]^ÍRT[ukAÕ/wŒF\D[o_RFD
žH)Iw#P
ukæžÎMdkn`]^ÍRT[ukæžA[“_uK
:A#PX"
uk~ûA^ÍRT[uk~N[y_ŒX
H^"«W#
ukO mza`]^ÍRT[ukO[{_Ck
DEMI—Q<
u±NIîA^ÍRT[u±NIK[y_AJC
BV0G¼46
u±NIîpÕa]^ÍRT[u±NIîpÕa[y_Kþ
BV0E¼>"
u±NIîp~]^ÍRT[u±NIîp~[y_A79
AV-2¼LF
uoDmS‰Mdkn`]^ÍRT[uoDmSS[…_CDS
<@8 ‚//
uoª|vMdkn`]^ÍRT[uoª|E[Š_uT
›ELU{;L
uoOÄe ltvA^ÍRT[uoOÄe[\_2S7
EH@L—RJ
uoÝûdq]^ÍRT[þfÝN[`_02A
Ÿ>Q tBG
ueÎp~ ×W‰(hˆ’Ø¼Lò]^ÍRT[ueÎp~[{_N‘
CAG%“GI
uejidkn`]^ÍRT[uej[ç_E91
@B$@‹@>
ueO]^ÍRT[ueO[{_CNO
B?X;“D)
unó›bOdq eTc×TIa`]^ÍRT[Ù¬lvŸ€E[ˆ_CIU
¢L-!r:3
unó›ß`j mza`]^ÍRT[ŽUbp^E[¸_ŽU
JQWy;!
u^ SÞˆA^ÍRT[u^ SÞˆT[{_L77
B?ES‘HC
uxfÎA^ÍRT[uxfA[y_CZN
G\"0¬ X
uxÝueÎA^ÍRT[uxÝueA[y_CZO
G\?J®F3
u´eÎA^ÍRT[u´eA[y_CXC
G[A®7M
uOCW NF]^ÍRT[ˆLÝN[¦_NFJ
Ÿ<<7tWA
u\ŸûA^ÍRT[öRˆNÀa[©_D74
¦DPXiBL
uOTŽU]^ÍRT[uOTŽU[Æ_CII
CMOHŽ($
u†uop]^ÍRT[u†uop[{_2O6
CC$N–,O
u€lŸûA^rgD[“EsE[“_O65
:B$K€0=
u€lŸ‰ãLj A^ÍRT[u€lŸ‰ãLjY[\_62S
EI,)–ES
uUtHB`UîA^ÍRT[uUtHB`UK[y_9A3
A[@K½*V
CIÿCUvA^ÍRT[CIÿCUE[ç_Z95
@@*Œ8E
CIŸRwûMdkn`]^ÍRT[CIŸRwN[§_8K8
<COX‚2S
CeCe×TIidkn`/»N~ûrgD[CeCe×TI[¥_»K
¡E$)r7!
CeCe×TI ¹l]^ÍRT[ÁR€ÃN[¥_I67
¡E-?rL:
CeCe×TI/N\|cû~ÏUŒ eTc×TIa`]^ÍRT[úNÀa[K bVG
¡E VrF"
CeD GdTïiœ\øA^ÍRT[F¤N§úLj[¸_62C
ŸHNGv#E
C^þvC´ A^ÍRT[C^þE[y_CRC
G_OG®"@
C^þv¢€NÛ]^ÍRT[C^þv¢€NÛ[y_uP
G_;'®BH
C^þvÝWûdq]^ÍRT[C^þE[Æ_4U6
@M7$‡?E
Cxidkn`]^ÍRT[Cx[…_3F2
;>6T€YO
C´ OFbO`­TvA^ÍRT[`­TE[“_08F
9@=L~+Y
C´ OFb\ôO ¢€NÛidkn`]^ÍRT[˜¤· ¢€NÛ[_S
>DN3†H!
C´ OF p‰fIŸ‰-”sdq]^ÍRT[p‰fIŸS[_7V9
=D!-…,0
C´ OF SpÝN/pRá ‚`iœ\øA^ÍRT[SpÝN[…_F49
<?;%ƒEH
C´ OF T¬/S¸žcbOdqidkn`]^ÍRT[T¬[…_I06
<@@ƒLS
þhvdq]^ÍRT[ÁR€ÃN[ˆ_80D
¢J!&rNM
þhvMdkn`]^ÍRT[þhE[ˆ_48D
¢IP"rJ7
þhœaA^ÍRT[gKÝN[M‡ 58M
¦E@9iR)
þhœaMdkn`]^ÍRT[þhœaT[NH_CNH
©I4,f4$
þhœ\vmza`]^ÍRT[þhœ\E[“_GCM
9B/@}:M
þhs°]c«w®[÷Ð`O[Å_D51
¥I"&lG=
þhs° vš’idkn`]^ÍRT[“pŸb´Y[“_R°
:A;/O7
þhs·ûMdkn`]^ÍRT[þhs·N[h_4M8
œ@DNy5G
þhIabOdq]^ÍRT[þhIa[š_AXQ
¥G+<m8>
þhIaidkn`]^ÍRT[þhIa[_{V
›HJ8{K?
þhxÙidkn`]^ÍRT[þhxÙ[¶_8Y5
8L$M|T6
þhîA^ÍRT[JµTe[…_3T6
:?&/O
þhîB‹ £APp‚”„E[LªS[y_HYL
HU;8¢C7
þhîdq]^ÍRT[þhK[ë_8D7
:JSHHD
þhîmza`]^ÍRT[JEÐcÃNúLj[e_JVY
 D4sJ/
þh~bOdq]^ÍRT[Ä´ŸN[Ö_23M
ž>#'vJ2
þh§²OeA^ÍRT[þh§²OeT[y_þP
BXP¼=L
þh§úLjidkn`]^ÍRT[þh§úLj[h_H35
›A:,{7D
þh§úLj/m‡€¾Rbq-J ‡T€S£LørgD[þh§úLj[…_LBR
8?A@}!Q
þAXÝN-Ôf‰dq]^ÍRT[þAXÝN[­_CWV
¢>)HoR(
þ‹bsTcidkn`]^ÍRT[þ‹bsTc[§_CYW
:E5,'8
þ‹ÝûMdkn`]^šRK[þ‹ÝN[NM_{O
=B8M…'
þ‹ÝûMdkn`]^ÍRT[þ‹ÝN[`_11A
 =Ss;%
þvgÞidkn`]^ÍRT[þvgÞ[›_S93
EM)E–S!
þŽR]^ÍRT[þŽR[y_Z84
E^0³%
þŽRrgD-pWmÊvA^ÍRT[þŽRrgD[š_rG
¥G Wl6U
þŽRúEW]^šRK[¹lˆýTc[M‡ 2W2
¦E:k!
þŽR›Tc àä¨I¾]^ÍRT[þŽR›Tc[¦_þW
¡9XDpK?
þE÷R‚ mza`]^ÍRT[þE÷R‚[…_CPT
:>3,8 
þcŠÏbOdq]^ÍRT[BtAúA[¥_I69
¡E"Hr*C
þÔgf‡Mdkn`]^ÍRT[þÔgfD[…_6R3
8<35};
þÔgf‡Mdkn`]^ÍRT[þÔgfD[“_95F
9B/!~9N
þÔgf‡Mdkn`]^ÍRT[þÔgfD[Ö_RNV
œ?KKxK;
þÔgf‡mza`êÚÍRA^ÍRT[þÔgfD[é_RZR
¡A*JrMW
þÔgfD-PKe‰eTc×TIa`]^ÍRT[þÔgfD[¥_þE
£G6@oQ/
þIÐÜtrg‡®Š€`]^ÍRT[{ªšT€A[{_þR
B?%S‘=/
þIFÝûMdkn`/xs¹RØ¼LD[þIFÝN[…_7F7
:=O @(
þeÝûrgD[¸LˆNÀa[¥_I66
¢E<'qQN
þeÝûMdkn`]^ÍRT[þeÝN[h_C{
›AARz9$
þeÝûMdkn`]^ÍRT[þeÝN[_C¸
GOQx1J
þeÝûmza`]^ÍRT[þeÝN[“_þK
;A>0€UX
þeÝûmza`]^ÍRT[þeÝN[Š_Gï
›D3/{FK
þeÝN-ÙðÃûdq]^ÍRT[þeÝN[Ê_CTZ
¤@X<l3V
þeÝNúLjidkn`]^ÍRT[þeÝNúLj[¸_þI
ŸJBMvIQ
þIObwPbhvA^ÍRT[þIO[â_9W9
¤@?Gm>/
þOÄÚ/{RLÝûdq]^ÍRT[þOÄÚ[¶_Q
œLH"z<+
þO¾RÒjidkn`]^ÍRT[þO¾RÒj[{_O60
DDLA˜Y?
þOú‰mza`]^ÍRT[þOúS[NM_CVN
=@7B…"E
`bm¯]^ÍRT[YUKabÁRj €¾RS[y_L20
G_0G­&!
„ø{wª× mza`]^ÍRT[‚W”cN[Ê_EWN
¥A"4k A
BBbOdq eTc×TIa`/èL»MØ¼LD[tpÏA[­_áY
¡@MrAO
uxvLj’]^ÍRT[·åpS[ç_P03
@=4/‹G6
uxvdq]^ÍRT[¸LLX[ç_P33
@>,J‹SG
u¤ûA^ÍRT[u¤N[­_48A
¡>6 q.H
u¤ûdq]^ÍRT[ŠRÝN[…_F85
=?IS„J$
E} D'`svA^ÍRT[E} D'`sE[‘_E
EML:’O(
ÐE dq]^ÍRT[÷RªNÀa[§_UKL
9D0'}I<
ÐEYúLjidkn`]^ÍRT[ÐEYúLj[§_CFV
9C#D}@1
~úLjidkn`]^ÍRT[~úLj[W  U06
BH KŒWX
L‡B‹]^ÍRT[L‡B‹[y_CDB
@U*3ÀIA
L‡®ô†‰µF‰A^ÍRT[L‡®ô†‰GUh‡ltIa[‘_U81
DK/CVI
LDFOOA^ÍRT[LDFOOT[y_CXF
Ea-&´*,
jŸûÎYOdÓMdkn`]^ÍRT[©Tw´[ˆ_©T
£H6KqD
jŸûMdkn`]^ÍRT[jŸN[…_M
;=P:6+
j‰dqiœ\øA^ÍRT[Ÿ—Oa/uhjla[o_ÆO
žE:Fv.N
Lj’²hîA^ÍRT[Lj’²hK[M‡bÛ
¦DXPjU2
Lj’Òjidkn`]^ÍRT[Lj’Òj[é_FGU
 A Fs*
˜‚øõ®‰õBhÎA^ÍRT[¸u´A[§_AAO
:CJQ+.
˜‚øÝMùb lec]^rgD[õŒ³\O[é_õU
¡B2!r'M
˜¤·]^]Ì ¢A°²\A^ÍRT[©N¾R[_CFO
>EM!†>.
˜¤·b´ A^ÍRT[˜¤·b´Y[…_T88
<>:$‚U.
˜¤·b´ Mdkn`]^ÍRT[˜¤·b´Y[ç_çC
ABWBP
˜¤·bm¯]^ÍRT[˜¤·bm¯[y_KCR
B]@"¹Y3
˜¤·²pe‰mza`]^ÍRT[ywN[_yO
>F(>…+1
˜¤· ¢€NÛ Žl]^ÍRT[gª—[_4
>DR9†6A
½T€P]^ÍRT[½T€P[Æ_M46
@KQ(ˆH?
»¡]^ÍRT[»¡ ltIa[¥_4G8
£G1%oWD
»¡]^ÍRT[»¡[{_O22
DDP–6R
»¡bOdq]^ÍRT[HUDÃN[Å_1B1
¨H/;gHC
»¡ ÕR’ mza`/|vÒLj‰Mdkn`]^ÍRT[|vÒLjS[\_D½
EKC(—($
»¡iÚw]^ÍRT[»¡[â_{E
£?V2o%(
»¡ mza`]^ÍRT[»¡[Š_U
œDO"z+"
»¡-ôA^bOdq]^ÍRT[»¡[K  I96
 C##s2U
»¡/Ÿ€abOdq]^ÍRT[»¡[Ö_0R0
=/RwNG
»¡×bOdq]^ÍRT[Žl ª¾RÍ[¥_02G
¤FF6nD;
»¡µ]FB]^ÍRT[»¡µ[Ö_CBM
ž?DIv8K
»¡µ]^ÍRT[»¡µ[­_CSG
 ><YrV2
»¡µbOdq mza`]^ÍRT[í´Ôoj[Ê_CPC
¤@.4lHT
»¡µidkn`]^ÍRT[»¡µ[e_By
 E-IsSM
»¡µidkn`]^ÍRT[»¡µ[Ì_D49
>NSX„M>
»¡µidkn`]^ÍRT[»¡µ[‚_U
:G8U29
»¡µ-˜WÌ•bOdq]^ÍRT[»¡µ[Ö_UBS
ž?9Uv4Q
LúLjidkn`]^ÍRT[LúLj[›_63S
EN>E“S
ŸÊHvdq]^ÍRT[LD›Tc[§_3K8
;C+41U
ŸÊHvdq-C´ A^ÍRT[ŸÊHE[…_MKN
;=U+€AW
M®R°idkn`]^ÍRT[M®R°[…_2F7
9?/@}SM
ðÝN/¿«j A^ÍRT[ðÝN[{_CPM
B?S6”,D
ÊÁ‰p~]^ÍRT[ÊÁ‰ÒM[NM_E89
>A4"†(P
Ê\‡A^šRK[še•úLj[¥_2G1
¤GFo)P
Ê\‡Mdkn`]^ÍRT[Ê\D[NH_N
©I*(e<&
Ê\D-šD’— mza`]^ÍRT[Ê\D[Ê_JQF
£A5.nH?
Ê\D²hxH]^ÍRT[úÒªA[p_0R4
œ=?Iy<5
Ìa ltvš¬eÓrgD[Ìa[\_3S9
EK,N–'Y
Ìa µF‰A^ÍRT[Ìa[Æ_S04
CM>2I+
N¤‡A^ÍRT[N¤D[Æ_S01
CN($XA
NwE/N\|ÜOµÝûmza`]^ÍRT[µÝN[…_CXO
9<3*}6T
N¾R£]^ÍRT[N¾R£[e_1I8
 F@6sSY
N¾R£bOdq]^ÍRT[·åpS[W  DGW
?HMP‡5'
N› mza`]^ÍRT[N›Y[h_CXW
›A*z?0
N›Y-RábOdq]^ÍRT[N›Y[â_HYW
¤?OIm%2
“]^rgD[w£ÜoL[§_K50
:C?U(;
“]^ÍRT[}BfA[¥_38I
¢F#:qG4
“bOdq]^ÍRT[ôg[­_15J
¡=&*q9-
“idkn`]^ÍRT[“[¶_CQM
œMO2zG4
‘’idkn`]^ÍRT[‘’[ç_P08
@>V(7A
OóRl†ûMdkn`]^ÍRT[OóRl†N[Ì_S32
:M74€$3
OóRl†N-¹lúLj]^ÍRT[OóRl†N[Å_K23
§HCKhS:
šª‰ltvA^ÍRT[šªS[›_S16
FM&Gš)3
PHbOdq]^ÍRT[Cál` ¢€NÛ[Ö_M11
=T'x4
PóR”„e]^ÍRT[ŸŒ‹[‘_0U2
CIN%OT
PóRbsTc 2]^ÍRT[PóRbsTc[y_Z93
F[V:¯/E
R©LøMdkn`]^ÍRT[R©LL[“_F36
;A/M€X"
R·ãidkn`]^ÍRT[R·ã[y_ŒU
FZ>C¯I?
RNeÓMdkn`]^ÍRT[RNeG[{_0O4
DEVL˜(.
RNeÓMdkn`]^ÍRT[RNeG[h_4M9
B6-xDS
RNeÓMdkn`]^ÍRT[RNeG[_CRZ
8FYE|K0
RNeG-šeTË²Ol]^ÍRT[RNeG[Å_7N1
¦H(Nk%0
RNUPØ¼LD[RNUP[¸_23W
LQXy#
w×idkn`]^ÍRT[w×[{_AJO
B?SR“B'
RPµbH€lI eTc×TIa`]^ÍRT[RPµbH€lI[…_CRP
:9L2<'
RPµbH€lI ×‰(TRUAXØ¼Lò]^ÍRT[RPµbH€lI[…_NGP
:9G@/7
Rá-pWmÊvA^ÍRT[Rá[š_8G2
¥GT9mD:
Rñ{idkn`]^ÍRT[Rñ{[ë_D65
;I8€5V
RTEZidkn`]^ÍRT[RTEZ[_°Z
@C0)ŠCG
RTpÌbOdq/u„vrgD[RTpÌ[Å_N03
§HA@j*T
RãLª‰Mdkn`]^ÍRT[RãLªS[\_CVO
EJ;O™/4
le]^ÍRT[ÍRlêOE[¦_A51
 ;K=s/3
—A’ ºO¾ ltvA^ÍRT[—A’ ºO¾[\_61S
EIN-™V
—a¿«]^ÍRT[wŒF\D[o_1C8
žH/<w&(
—a¿«]^ÍRT[—a¿«[ç_P52
A@INŽ $
—a¿«Ø`½]^ÍRT[—a¿«Ø`½[§_9K0
9D3=~?.
—a¿«idkn`]^ÍRT[—a¿«[‘_S84
DL 2’1T
T¬p-p ÙLjbOdq]^ÍRT[T¬p[…_T
;:93+ 
åh ¤ÊH]^ÍRT[u`ªS[‘_D47
CJJ:U%
¬TcØ¼LD[Báf[…_CFD
9<HV~1S
dCo]^ÍRT[dCo[y_K29
?^SNÁH+
dCo”»Ð‰Mdkn`]^ÍRT[dCo”»ÐS[_CBF
9G-B}K=
dCo ºO¾idkn`]^ÍRT[dCo ºO¾[§_K63
9DFA~@4
dCoidkn`]^ÍRT[dCo[‘_U82
DJK’8H
dqiœ\øA^ÍRT[‚Wiô€D[Š_EIW
B>%wAY
UóúLj NF]^ÍRT[UóúLj[›_N¤
FN)˜D
}TpÌ]^ÍRT[}TpÌ[`_9A4
Ÿ@E;u2U
¾ß`j A^ÍRT[¸Lªƒ³}G[š_6G6
¥F9.l,/
¾ T¤o‰A^ÍRT[F¬žŽR[…_X09
9;G6}P8
úNÀaidkn`]^ÍRT[tpÏA[­_CVC
¡?CVqPN
úNÀaidkn`]^ÍRT[úNÀa[é_M04
AAwA,
Wbm¯]^ÍRT[¸NIFmD[Æ_CW0
AMVQ‹;
Wj rgD[ÙÌµKY[ˆ_96G
£I4?pO&
XØ¼LD[š€S[…_PRX
9?D*}9!
X‰¹LøA^ÍRT[tOˆCb´Y[‘_U48
CI+"+E
YOTvCm¯]^ÍRT[F¬EY[§_7§
:CSD-Y
Zôidkn`]^ÍRT[Zô[‚_CZD
<FR)‚-
CPÿûSˆ|]^rgD/ŠNwvC´ A^ÍRT[ŠNwvC´Y[Š_K52
œED"yIC
C¤±Ø¼LD[£LŸ[`_£M
Ÿ>2DtY.
C¤± £APp‚”„E[C¤±[y_C­
HU:J£&R
C¤±-ŠÐt]^ÍRT[C¤±[_{G
@F;I‰=0
C¤±ŠÏidkn`]^ÍRT[C¤±ŠÏ[‘_S89
DL,R’:L
C¤MØ¼LD[÷R¹LL[‚_÷B
;GLE'
C¤Ìa/lÔvN› Mdkn`]^ÍRT[C¤Ìa[¸_Y55
ŸK=4vUH
C¤‚bOdq]^ÍRT[C¤‚[…_E13
==6H„3D
C¤NpÌ]^ÍRT[Áýa[Ÿ_28M
©H=dP/
C¤Tc p~/KpŸ| mza`]^ÍRT[KpŸ|Ø`½[\_LÆ
EH'4—J
C¤WF\‡A^ÍRT[C¤WF\D[_99V
@DH-‰DC
C¤WF\‡dq]^ÍRT[wBeÃN[o_RÑ
ŸEXuDY
C¤WF\DÑoj mza`]^ÍRT[C¤WF\DÑoj[e_CFJ
 EX;tU.
CmäH]FB]^ÍRT[eDû¢€NÛ[NV_eS
BBA)‘FE
Cm±HÝûMdkn`]^ÍRT[Cm±HÝN[‚_6K3
:H:/S#
Cmâsp~ ltvA^ÍRT[Cmâsp~[\_5S2
EI=X—W
CmâsãLj A^ÍRT[CmâsãLjY[NV_U74
CF6W’?O
Cml]^rgD[úNÀa[›_S36
FM2,˜$+
Cmlaidkn`]^ÍRT[Cmla[_CSQ
8G/|3N
CmTvMdkn`]^ÍRT[CmTE[‚_°K
:FC$~U?
Cm¾bOE}]^ÍRT[l ˜Ux[Š_1H0
DIDx<<
Cm¹idkn`]^ÍRT[Cm¹[ã_W81
¥C(Rl#U
C€SrgD-Ã®R£dq]^ÍRT[C€SrgD[M‡ W41
¦D#iOC
C€¢bOdq-R©j]^ÍRT[R©j[­_ŒF
¡=Y2qL8
C€úTZidkn`]^ÍRT[C€úTZ[¸_3D1
ŸK*Sv"6
Cw“Ëbm¯]^ÍRT[Cw“Ëbm¯[y_CJX
B[R.¼&/
Cw“laidkn`/K^K¿«Ø¼LD[Cw“la[¶_ŒN
9MP9~C2
Cw³ Mdkn`]^ÍRT[Cw³Y[Ö_C71
œ=/My!'
Cw³ Mdkn`]^ÍRT[Cw³Y[Ì_D50
>NUH…/Q
Cw³YÝûMdkn`]^ÍRT[Cw³YÝN[…_8F3
<?C8ƒ,9
CwS‰C´ A^ÍRT[CwS‰C´Y[¦_Cq
¡;D&q$/
CwS‰~Y‰A^ÍRT[CwS‰~YS[NJ_17N
§EH2iY
CwSÑojiœ\L-í´ÃûrgD[CwSÑoj[é_CÑ
 AW#s#$
Cál`]^ÍRT[ˆN‚AÍªS[¶_ˆC
›K!K{3,
Cál` p~]^ÍRT[©{T}[h_5M5
8B2C|8G
Cál` €¾R/Òú‰rgD[Cál` €¾R[¦_CGC
¡:R!p@9
CUBÎpÌeÓl€P[CUBA[NM_NM2
?AW$ˆW9
CUBÎMdkn`]^ÍRT[CUBA[Š_UBX
œD"&y7J
CUuhÎãLj t pßÚÎA^ÍRT[pßÚA[_07V
>C=8‡?
CUcOidkn`]^ÍRT[CUcO[…_T71
:;#.
C¬ÿRÃûdq]^ÍRT[ãûRN[…_VHN
>=!:†M 
C¬LŸûmza`/FÃMØ¼LD[C¬LŸN[`_CMD
Ÿ@.%tQ;
C¬óóR mza`]^ÍRT[C¬óóR[ã_CJR
¥D=>kQA
CÞÿRpÌidkn`]^ÍRT[CÞÿRpÌ[¸_Uÿ
œK<4yXQ
C}¤Ï ¤ÊH]^ÍRT[C}¤Ï[NV_9U7
BDJ(‘:O
C}€TUŒbOdq mza`]^ÍRT[C}€TUŒ[Ê_aX
¦B6jV
C}TxØ¼LD[B¤DY[…_BBD
;=(K18
C}Tx øBwWûJRØ¼LD[gIZ–ÚHÝWN[Ê_EYF
¤@B%l@K
C}Txidkn`]^ÍRT[C}Tx[‚_47V
<FD2‚:6
CµHeÓrg‡LT‡A^ÍRT[‚›RK[o_0C8
žG=(vB2
CµHeÓMdkn`]^ÍRT[CµHeG[“_CUH
:AW~L6
CµTc]^ÍRT[ŠNwE[ˆ_—F
¢GV6q8#
CµTcbOdq]^ÍRT[CµTc[ë_C¨
>IJ…C(
C¨”fîeTc×TIa`]^ÍRT[C¨”fK[Æ_CTB
CNB<Ž4@
C¨jR mza`]^ÍRT[C¨jR[®_®2
ªJFNa-R
CUYA­bOdq]^ÍRT[þÔgfD[¥_CGF
£G?Ro;,
C Nd×Lïiœ\øA^ÍRT[ŠNwE[­_D73
¡?LWqG@
CYÏH×-ÁR€Ãûdq]^ÍRT[CYÏH×[K  0I8
¡D3Xr/
CYPmS‰€¾R]^ÍRT[JEÐcÃN[…_24F
8>JF|0/
CY€øvKeÓA^ÍRT[uh˜—vƒ`¼[ú_lT
©02,^X6
ÒC A^ÍRT[ÁRãRD[o_0C0
ŸH6'vCW
Ò©-Lªc T¤eeÓf‡T¤ý´Ia]^ÍRT[ˆƒI[¦_éT
¢7QInSO
ÒHIO TwT¿«]^ÍRT[ÒYÝN[¥_I44
¡EKTr2A
ÒHøCm¯]^ÍRT[ÒHøCm¯[y_DŒ
B`V?ºS;
ÒHLºs ýF]^ÍRT[ÒHLºs[ã_ÌY
¦D1Xk +
ÒLÁRMdkn`]^ÍRT[ÒLÁRT[…_DHT
=B3„>Q
ÒLp‰àä¨I¾]^ÍRT[ÒLpS[…_RBD
:>FS~R&
ÒLp‰˜¾Ø¼LD[ÒLpS[…_ÒL
:>PK~Q!
ÒLp‰Ã¨H²\A^ÍRT[šL®R[…_T13
9>:E~G&
ÒLpS-F\¿R| eTc×TIa`]^ÍRT[ÒLpS-F\¿R|[…_DFW
:>SP .
ÒLÝûA^ÍRT[¦µHeG[ˆ_3Ò
¢I!7qN/
ÒLÝûMdkn`]^ÍRT[ÒLÝN[­_DNN
 @I5rR+
Òûv€uhD‰Mdkn`]^ÍRT[šì{H[…_3F6
<@E‚.U
ÒûJa• eTc×TIa`]^ÍRT[µÝN[…_T51
9< @}F 
ÒN÷áidkn`]^ÍRT[ÒN÷á[C DXR
¨G40g:V
Ò‚bOdq mza`/TRUAXØ¼LD[ŸDxa[¸_ÖN
žI&6w2-
ÒN¼ørgD[Aåµ[­_DNL
¢?:p 4
ÒN¼øîeOUYveTc×TIa`]^ÍRT[N¬U[HI_HNL
@31"»U+
ÒN¼½a]^ÍRT[ÒN¼½a[C LZD
©GO)eT!
ÒýúLjidkn`]^ÍRT[ÒýúLj[Å_DÑ
¦H@,kHN
ÒNúLj]^ÍRT[ÒNúLj[š_8N8
¦FVTjDD
ÒNúLjidkn`]^ÍRT[ÒNúLj[h_32A
›A#,{7J
ÒNúLj mza`]^ÍRT[ÒNúLj[ã_ÒN
¤B@3m2)
ÒmbOdq mza`]^ÍRT[ŸÏEO[Ê_MQI
¦AU&iGJ
ÒR~bOdq]^ÍRT[¾RÙojS[¥_¾S
¡F*.r=W
ÒRªNÀabOdq]^ÍRT[ÒRªNÀa[â_UDG
¤@8QmS)
ÒR€NÀaidkn`]^ÍRT[ÒR€NÀa[›_1S2
FN-=—BC
ÒRA^ÍRT[ŸYúLj[Å_D79
¥H.#m:T
Ò¾NÍRA^ÍRT[Ò¾NÍRT[›_68S
EME%”(8
Ò¾NÍRMdkn`]^ÍRT[Ò¾NÍRT[_DVN
GBCxA0
Òú‡C´ Mdkn`]^ÍRT[Òú‡C´Y[‚_93Y
:G+O%3
Òú‡ÓJOY°]^ÍRT[¸NNrgD[p_0R5
›=WOzEC
Òú‡õ óRá]^ÍRT[ÕLD³Y[“_1K4
:A'0:+
Òú‡›Y‚ÜO“‰®Š€`]^ÍRT[µÝN[…_Dí
9<!H}?(
ÒúDÃûdq àä¨I¾]^ÍRT[jXeÀa[Ê_àX
£ALRn0,
Òú•‰dq]^ÍRT[›žeÀa[e_DCY
ŸDH!u%S
Òú‰A^ÍRT[­T•[\_6S4
EJJK˜7/
Òú‰A^ÍRT[pYÝýúLj[M‡ W50
¦E,Bk'!
Òú‰rgD[F§ÝN[­_3J6
¢<MMpG
Òú‰ŠÏÁûAFB]^ÍRT[TUCÃN[ç_DŸ
@>'YŒRY
ÒúÃûhù]^Ø¼LD[F\ÿLVO^[ã_ÒA
¦DHTk(Q
ÒWÃûhù]^Ø¼LD[{ð ÒWÃû(KeG¿«)[WV_3G5
¤E9mEY
ÒWÃûMMd´ A^ÍRT[GjÌI¾[Æ_GDV
?M&1†N8
ÒWÃûMdkn`]^ÍRT[ÒWÃN[­_16J
 =JBr7'
ÒYÝûãLj A^šRK[ÒYÝN/{RÃûC´Y[NV_A34
DE,0•?2
ÒYÝN/ÈoªP³}ÓA^ÍRT[ÒYÝN[¥_3I7
¡ETNr6
ÒYÝN/W€GHBw|c‰A^ÍRT[ÒYÝN[¥_MGY
¡EA2r+;
ÒYÝ×”Žu eTc×TIa`]^ÍRT[ÒYÝ×”Žu[¦_ÒB
¢;(No!;
© æLB Y˜Ridkn`]^ÍRT[© æLB[o_DKB
žGV vH2
© ÄeC eìl€`]^šRK[© ÄeCY[p_5R8
8<8:{:7
©ßcvrgD[þvgÞ[›_2W1
EM(E–Q(
©ôR£]^ÍRT[©ôR£[y_âC
Ed)G²9U
©f ºIÐeiœ\øA^ÍRT[¸Gzý[Ö_M24
<PAw'G
©fiœ\øA^ÍRT[Á¾RHoL[NH_5B9
©J"Of:
©B˜xØªGHl€P[©B˜x[®_43B
ªJICaY;
©{T}]^ÍRT[©{T}[o_©C
žEP"vQV
©{T}bOdq eìl€`]^²hK[BAeB€D’[­_B’
 <X0rD+
©{T}idkn`]^ÍRT[©{T}[…_»D
:?--@P
©Œ]^ÍRT[ùcl†N[š_9D4
¦F3&j1M
©ŒcØ¼LD[®NO[“_4O7
:B42€(H
©¤Hidkn`]^ÍRT[©¤H[_©H
œI.>yJ4
©c ˜D’-C´Y-dq]^ÍRT[©c ˜D’[Æ_38S
CL5.ŽKT
©c²hîA^ÍRT[©c²hK[›_©W
EMX“7I
©crg‡ãLj mza`]^ÍRT[¹l ·¾R[V 4V8
¨HUDfQV
©ceÓA^ÍRT[©ceG[y_©E
?`"'ÀL
©rf°iœ\øA^ÍRT[©rf°[¥_Dr
¡G2-r7J
©Fdî¢€NÛ]^ÍRT[©Fdî¢€NÛ[¦_54J
Ÿ<IRt',
©æLB-óAuTmvA^ÍRT[tpÏA[­_PDK
¡?R@r0%
©ø€O eTc×TIa`]^ÍRT[©ø€O[…_DRT
<;49‚UD
©pÌidkn`-ñD‚ H Y˜RØ¼LD[©pÌ[¦_©D
¢;"o/ 
©pNOidkn`]^ÍRT[©pNO[{_D˜
CAJJ•,)
©p}sTx]^ÍRT[OyÜhÉR[›_“H
FN-$˜F7
©p›m]^šRK[·¾R/u•¿LD[©_33N
¦E+%iB 
©p›mbO„øA^ÍRT[’\’ÝWN[©_’D
§DG-i3?
©p›mbOdq mza`]^ÍRT[MdC¼[e_ˆE
¡F,?s5K
©p›midkn`/JIMiO\vrgD[©p›m[¥_DLZ
¢F.Lq$N
©LHIidkn`]^ÍRT[©LHI[p_0M9
œ>6Ey;U
©Lø¦±Hl€P[©LL[Æ_4U9
CJJ'ŽI)
©LÈIidkn`]^ÍRT[©LÈI[e_1I9
 F>9tFS
©LbOdq]^ÍRT[•{×BA[ˆ_•C
 KI4u#C
©LêdCTIa]^ÍRT[©LêdCTIa[y_D66
F^!¯I3
©Lidkn`]^ÍRT[©L[¨_D
BE4XŽ<&
©L mza`]^ÍRT[LT[h_DRP
œA%*xOA
©ˆNÓMdkn`]^ÍRT[©ˆNG[NM_D¶
?>-K‰I&
©ŠÍª‰mza`]^ÍRT[©ŠÍªS[`_DYA
ž>9PuW-
©NIOêdCTIa]^ÍRT[©NIO[NV_E85
DGW-”CR
©Nxaidkn`]^ÍRT[©Nxa[_Dý
9GY(}4O
©Ïa]^ÍRT[©Ïa[Æ_5U0
BM1-‹V=
©Ïa sTcP€£]^ÍRT[©Ïa[…_DÝ
:?*%)W
©ÏaØhÖ]^ÍRT[þhE[ˆ_ˆ1
¡IK%rNP
©N¾Rb´ A^ÍRT[©N¾Rb´Y[…_E57
=>X;„PH
©N¾R eTc×TIa`]^ÍRT[©N¾R[_©N
>EQH†F5
©RB Ac«w®[PeEH}l[Ê_N26
¤A& mCN
©RB rgD[˜¾˜Œ[NV_˜L
DF!Y”?T
©RŠ—idkn`]^ÍRT[©RŠ—[h_4M5
œ?;/y8?
©‰Še• eTc×TIa`]^ÍRT[©‰Še•[_DSM
›G> {EM
©£RA^vmza`]^ÍRT[Ÿ—A›[›_M94
ELG,•U)
©žjRidkn` pÌeÓl€P[©žjR[¥_6D7
¢G*VqR-
©le àä¨I¾]^ÍRT[©le[¦_DTS
Ÿ<6t:/
©Tw´ p~S/¹|eÓrgD[©Tw´ p~S[¶_DTL
9LO5}RX
©Tw´iÚw ›Y‚bOdq]^ÍRT[©Tw´[ˆ_DTW
¢H*Kq3*
©ú½ p~ mza`]^ÍRT[©ú½ p~[Ì_DVL
;N%€TB
©ú½iOde ˜D’]^ÍRT[×ÿS×[y_IBN
G\6%¬YJ
©ú‚idkn`]^ÍRT[©ú‚[…_23R
;;&0€V=
©¸—Ø¼LD/‡ÝWûMdkn`]^ÍRT[‡ÝWN[®_D
ªJW&bF:
©¸—idkn`/í´¡Ø¼LD[© ¸—[h_5M1
œ@-Jy09
©XTc”Ø˜mÊv®Š€`Ø¼LD[hæ©LÈ[h_ôF
›@#Y{!X
©XTcidkn`]^ÍRT[©XTc[Š_DXE
BL>wV;
©XTc mza`]^ÍRT[©XTc[®_1B0
ªK.c,-
DŠÌHŽ‡A^ÍRT[DŠÌHŽD[Ö_66Y
<3Mw5.
DkKeÃN/|E«\vwO£¾Lmza`]^ÍRT[DkKeÃN[Ì_DIK
>LN „N.
Dk§aidkn`]^ÍRT[Dk§a[é_M02
ŸB%Gu7M
D±HÝûA^ÍRT[D±HÝN[§_K65
<D;2‚:T
DopÏ/PKe‰A^ÍRT[~sE[NH_Es
©HSTf.-
Doj A^šRK[DojY[…_24R
;:G&)3
DoªNGÁM]^ÍRT[DoªNGÁM[y_DLG
BY G¼<2
Do˜ûA^ÍRT[Do˜N[Æ_DLN
CK-1Ž?'
Do˜ûdq]^ÍRT[Do˜N[â_DLC
¤@8Wm4%
DIMˆdq]^ÍRT[{R€ZO ¢€NÛ[…_CZT
;:=2O7
DIMˆ—idkn`]^ÍRT[DIMˆ—[…_T55
=@@„14
DeSŠm]^ÍRT[DeSŠm[{_D63
EF;=™AT
DIX¼ µF‰A^ÍRT[DIX¼[‘_A05
DK=-‘=!
DIXa]^ÍRT[DIXa[W  DWX
@G -‰;?
DIXaidkn`-uhj‰R ›LºEsØ¼LD[DIXa[o_C73
žGPw8L
·BBe‰hB]^ÍRT[Ÿ€Ú[­_M’
¡?TRr<Q
·B¼'‰A^ÍRT[eA[“_0K6
9B(L}@O
·D’bsTc]^ÍRT[·D’bsTc[¶_ÝB
›J#zOT
·D’b´ mza`]^ÍRT[·D’b´Y[§_DDC
<CKMWV
·D’bOdq]^ÍRT[JdŽU[¸_dU
ŸI7AvH,
·×]×bOdq eTc×TIa`êÚÍRA^ÍRT[ÙÏÎTc•A[NM_D×
>=RPˆH*
·×L‡‡™Iiœ\øA^ÍRT[·N‚Lï[‘_U84
DJIK’#?
·×L‡PiojR]^ÍRT[FOl\[¥_FZI
¢G)9q5A
·×LD'‰A^²hîeC]^ÍRT[PïŠ¨H[Ê_7Ê
¥AITjF/
·×LDÃûrgD[ºEsúLj[â_GYH
¢@K<p4A
·×½aúLjidkn`]^ÍRT[·×½aúLj[­_17J
 =5rRE
·‚­ø¢€NÛ]^šRK[ŠdJOY/Ÿ€Ú[š_N71
¦F#>j@:
·NnÁûMdkn`]^ÍRT[·NnÁN[Š_X33
BGDxM"
·\bOdqbHcápÌ]^ÍRT[l}’a”‹[¸_SUE
 JPCu70
·w| âO— eTc×TIa`]^ÍRT[\OúLj[›_0S7
FNW>•6I
·|f mza`]^ÍRT[·|f[`_DHN
 =1.s8X
·UBj ŽGj II]^ÍRT[`÷ÄcÄE[NM_AEG
?A&HˆMI
·åp‰HdTcØ¼LD[ÍRTpÌ[é_1M5
 BA@t:C
·åp‰Mdkn`]^ÍRT[·åpS[ç_DGL
?=2?‹<5
·åp‰Mdkn`]^ÍRT[·åpS[­_DQH
¡=:BpQD
·¾bm¯]^ÍRT[·¾bm¯[_8V6
@CKSŠS1
·¾R]FB]^ÍRT[·¾R[©_·V
§E%Li9W
·›zACidkn`]^ÍRT[·›zAC[ˆ_C91
 GYAt%H
·W‚Y/HY©iœ\L/]^ÍRT[·W‚Y[‘_U58
BH79Ž$@
·WÏ†ûA^ÍRT[¢€NGrgD[Š_3DW
›C+4{,T
·Yjl†ûA^ÍRT[·Yjl†N[š_DYL
§F1Yi%2
DRb² Ùã’ SR]^ÍRT[ŠÏEZÞA[­_53A
¡>0)r9
DRÜc®‚zL· \TIZ Äea•]^ÍRT[HÞA{O[PR_X63
©0&/_N 
D¤Õabm¯]^ÍRT[ïÌa[§_39K
9DG<}G7
D¤~]^ÍRT[¤DþIÐE[_2Y1
›H1!{6U
D¤~Ø¼LD[öYÚTÔoj[h_FYV
8B0|(*
D¤åN-ˆLjRbsT¤øTà„ mza`]^ÍRT[TœPj[…_TPL
:='%6:
D¤YÝûMdkn`]^ÍRT[D¤YÝN[Ì_D29
:NC%(?
D€GÛ/mËiœ\øA^ÍRT[D€GÛ[‘_DIJ
BIJM#;
DRÞŠÌ]^ÍRT[DRÞŠÌ[Æ_M26
CLC-*0
DRÞŠÌ xpÌ]^ÍRT[DRÞŠÌ xpÌ[ˆ_DRM
£L@qJD
Dá”‹]^ÍRT[Yy¨t[y_3y
HY'R¨;2
Dá S›ð]^ÍRT[\f’÷RG[â_1DS
£?5!nT7
D‰÷TjRØhM]Ì]^rgD[Oy €D’[Ê_N83
¤B)Hn1
ìf•÷RÓA^ÍRT[ìf•÷RG[Å_4B1
¨HKAh&#
ìBªûMdkn`]^ÍRT[ìBªN[…_9F0
:>"$€1=
ìÉxidkn`]^ÍRT[ìÉx[W  ìB
AI>U‹G9
ìÉxidkn`]^ÍRT[ìÉx[‘_U41
BJ'JŽ+,
ìÉx mza`]^ÍRT[ìÉx[š_ìJ
¥G(HlSU
ì÷Ävmza`]^ÍRT[ì÷ÄE[_DBQ
H6%xH@
ìu•‚idkn`]^ÍRT[ìu•‚[¨_U69
AF)CŒ4W
ìŒ›Tc]^ÍRT[ìŒ›Tc[NV_01U
CDQ*‘D#
ìÐY‰¾RûA^ÍRT[Sp×[y_DDT
G\I;­U,
ìÓBh µF‰A^ÍRT[I¶AÁ[\_\8
DKN3’G1
ì~Ø¼LD,(EGªûAF]UX NR 3)]^ÍRT[CmlúEW[¦_Ez
Ÿ<DUt=1
ì»| eTc×TIa`]^ÍRT[ì»|[¶_DLH
œLP=z)B
ìýMU^idkn`-Š—]^ÍRT[ìýMU^[{_1O6
DG-M˜.1
ìš’]^ÍRT[ukAÕ/¹lbHkAÕ[o_Dš
ŸGT7v,S
ìPªûdq]^ÍRT[~×ýúLj[Ê_DPL
¥AkXT
ìÍÏ/póc]^ÍRT[póc[ˆ_D95
¢I!Yq.0
ì¤NÕ-p²pbOdq]^ÍRT[ì¤NÕ[_Dw
@C'$‰K,
ì¤Ï mza`/Ž~RØ¼LD[ì¤Ï[“_ìA
9?V5~5H
ìTuê¥ûA^ÍRT[ìTuê¥N[¨_33U
AFU"‹58
ì—a]^ÍRT[ì—a[Æ_5U1
CMPPGT
ìãL-Fmc]^ÍRT[Fmc[…_T19
:9S1€B
D¸GHA^ÍRT[D¸GHT[o_DTG
ŸG%Wv81
DYc]^ÍRT[DYc[NV_2Q9
CCBA”5
DYc³}Ómza`]^ÍRT[DYc³}G[é_DYR
AYSw66
DYcÑoj]mÎA^ÍRT[DYcÑoj[_8
H;Ly(M
DY•‰AFB]^ÍRT[–osE[…_DYS
;>7%Q6
ŽD‰Mdkn`]^ÍRT[ŽDS[_9V7
=D:=„NE
ŽGj]^ÍRT[ŽGj[y_ŽA
H^LG«&Y
ŽGjbOdq mza`]^ÍRT[ŽGj[_E’
?ED@ˆTW
ŽGjbm¯]^šRK[eD×ÍªS[e_EYE
 EOQt/F
ŽGj ºO¾idkn`]^ÍRT[ŽGj ºO¾[_ŽG
›HHB{TX
ŽGj p~]^ÍRT[ŽGj p~[…_gA
9;B~11
ŽGj €¾R dIa]^ÍRT[ŽGj €¾R[¸_EGV
žKUVw.$
ŽGj'‰‚l]^ÍRT[›Y‚³\O[ã_W13
¥D"ClVF
ŽGj'‰‚l •T•]^ÍRT[ˆD˜|N[…_T56
:><L~UB
ŽGj‰Ac«w®[N›Y[…_55T
<A*Rƒ6F
ŽGj‰pÌeÓA^ÍRT[ÁR€Ú[ˆ_4Y9
¡J0:sL0
ŽGj‰‚l]^ÍRT[¹lbm¯[NJ_31E
§EEVh0;
ŽGj‰€D’]^ÍRT[Hc×ÌO[Ö_Ö9
@MMwTN
ŽRïbOdq]^ÍRT[Bp~ï[­_BIJ
 =5QrSG
Žl ’\zÎmza`]^ÍRT[S›e³\O[­_³O
¢>B?p4*
ŽlÜƒPÝûÝWûA^ÍRT[ŽlÜƒPÝN[Å_JPX
¨FW@f-$
Žlê\ÒûC´ A^ÍRT[Žlê\ÒN[ˆ_Y94
¡K%Os$7
Žl æý„b´ A^ÍRT[ºAeß`jY[Š_3GV
8ES|*S
Žl Tà„ mza`]^ÍRT[˜NGúEW[…_GGG
8>5 |HG
Žl Tw Mdkn`]^ÍRT[Žl TwY[¸_57C
ŸHMPv43
Žlcû\EÕûmza`]óÌjÝûA^ÍRT[óÌjÝN[\_PDT
EKGH”PB
ŽlcûWV mza`/žEÈc‡rgD[ŸRTe³}G[WV_MRB
¥E6&kXY
Žlc¿«Ø¼LD[Lj’ ltIa[…_þL
9<A/~3K
ŽlpÌidkn`]^ÍRT[ŽlpÌ[…_ÚN
;>6T€NA
Žla ltvA^ÍRT[Žla[›_•W
FM--—)&
Žla/‚W×MØ¼LD[Žla[M‡ •N
¦DN-j"&
Žla/ãLj úEW]^ÍRT[ºEgEY[_11V
>F1D†B@
ŽlÍRMdkn`]^ÍRT[ŽlÍRT[®_EPM
«JTBaL
ŽUbp^vp~‰A^ÍRT[DRÞŠÌ[¸_5G4
L2Uy;M
Eÿý÷RÓA^ÍRT[Eÿý÷RG[š_9G8
¥F9GlL=
ä”‹]^ÍRT[O¾RÝN[NV_0L9
BB0F9P
äKÁReTc×TIa`]^ÍRT[ÍR|oL[‘_1S1
ENY8’<%
Ëbh½aiœ\ørgD/Ã¨H j¸‰dq]^ÍRT[Ýj·[›_T·
FL:D˜N5
Ë ‚W˜ûrgD[‚W jXeÀa[¥_I86
£EG<p)R
Ë-A^]^ÍRT[OyÝWN[e_I20
ŸDPYu;Y
ËD¼ ©Wiœ\øA^šRK[ÝwÏO[¥_1G8
¤F:@nCG
Ë­RbOdq]^ÍRT[š€S[o_PRG
ŸEGYuF-
Ë­R ÓOB¼]^ÍRT[ueO“[Æ_S71
BNA>‹- 
Ë’rg‡dq]^ÍRT[TmÏa[â_6J6
¢?J+oO&
Ë’j Mdkn`]^ÍRT[Ë’jY[Ì_51D
;L2Y€J$
Ë’ŠÏidkn`]^ÍRT[Ë’ŠÏ[ë_6V0
>I/H…PA
Ë›R‡Fê¥ýa]^ÍRT[xHóˆNG[ˆ_M61
 L2IuM0
Ë›R‡F K×PP ltvA^ÍRT[Bhm/ŠÏóªc[ViPV
©J*+f?J
Ë›R‡ÓP´æ SR]^ÍRT[­j×[y_­L
B^J(ºV"
Ë›RD‰AF]UX N\|”„vA^ÍRT[Ë›RDS[{_9L2
B@Y9“QM
Ë›RD‰AFB]^ÍRT[Ë›RDS[{_ËW
B@T;“S&
Ë›RD‰dq]^ÍRT[wŒ¢€NÛ[…_äU
;;VO‚(8
E¯]^ÍRT[E¯[y_E¯
@Z*OÀ D
EÐeGÁMbOdq mza`]^ÍRT[EÐeGÁM[o_1H2
žE"+v=W
EF‰A^ÍRT[žOÐ‚R[h_76A
œA9Py+N
E’zîA^ÍRT[E’zK[y_EII
BX)&»4>
EGªûAFB/©le-F›LÝûÿAu]^ÍRT[ãLš¤xO/©le-F›LÝûÿAu[¦_VPS
Ÿ<;t=@
E¼½a]FB]^ÍRT[ö^Bf§[y_Eo
F^EV±$#
¯`yÎA^ÍRT[¯`yA[Æ_97M
?KRA†>-
¯UîA^ÍRT[¯UK[y_KKU
BXNF¼?>
¯¿îA^ÍRT[¯¿K[y_~K
BY37»:.
gbsTw ×FüV¤CIUØ¼Lò]^ÍRT[gbsTw[{_NJK
B>OB‘F%
g ·¤· ·WÏ†N-lÔs‰rgD[g ·¤·[h_F43
›?):zEN
g ·¤· ¢€NÛiœ\øA^ÍRT[g ·¤· ¢€NÛ[Š_87K
8CQ8{YR
g ·¤·/{PõŒ |OŸ‰®Š€`]^ÍRT[g ·¤·[§_EQA
:CL9~O"
g²„O eTc×TIa`]^ÍRT[g²„O[…_gP
>=N8ˆ4A
g mNO mza`]^ÍRT[g mNO[“_RQO
:A:4€3
gÿRdq-šTZØ¼LD[gÿRÝN[­_EBA
¢@#IpO!
gÉW p~idkn`/P€© OF |vP¤^¼]^ÍRT[gÉW p~[¶_Y63
9KY(}Y'
g·ûŠ©øA^šRK[g·N[Š_H79
›D3Hz@/
g·¤]^ÍRT[g·¤[_27P
›H1N{$Q
g·¤·]^ÍRT[g·¤·[…_27R
<<QJ‚BE
gzûMdkn`]^ÍRT[gzN[Ì_Y71
=L4XƒPH
gIM]^ÍRT[gIM[y_gI
@^BTÀ.,
gIZ–ÚHb´ CÓA^ ltIa/mza`]^ÍRT[gIZ–ÚHb´Y[Ê_äG
¦B-Dj(:
gIZ–ÚHØ¼LD[ržc‰xpÌ[Å_0B8
¨G-&fT
gîC´ A^ÍRT[gîC´Y[‘_S90
DKO4‘85
gîC´ mza`”µe•‰A^ÍRT[gîC´Y[“_gK
;A7Q5E
gîdq]^ÍRT[Šª‚[§_2K6
9C4Q~..
gîHo½-÷—a¸L˜W]^ÍRT[÷—a¸L˜W[{_L62
CA3*•:M
gæ©R]^ÍRT[gæ©R[_I27
œHPPy4V
gKÁRMdkn`]^ÍRT[gKÁRT[e_¯M
 GI(t*
gKÁRT-ŠRÝûdq]^ÍRT[gKÁRT[§_EÁ
=C!ƒRN
gKeidkn`]^ÍRT[gKe[Ê_ZEF
£B.NnM(
gKeS/¤ÌÈbOdqüJsNeÛ ¤ÌÈØ¼Lò]^ÍRT[gKeS[WV_¯N
¤DS4mQ8
gKO mza`]^ÍRT[gKO[NV_¯O
CFO<‘M;
gjûu}uØ¼LD[CmâO[_CJJ
œI3Uz%Y
gªNÀa]^ÍRT[gªNÀa[C 7B9
¨GU>f98
gªNÀa]^ÍRT[µÝN[…_EFD
9;B8}'>
gªNÀa]^ÍRT[j¸³}G[é_»G
ŸA<7tN,
gªN¿«idkn`]^ÍRT[gªN¿«[§_1K6
;D44€AU
gªÃûaIZUæ KaÎeTc×TIa`]~Aj]^ÍRT[æoUA-KaA[HI_KOA
@1J2º J
g½Ø¼LD/¸LªT‰Mdkn`]^ÍRT[¸LªTS[{_O28
DE9#™42
g½¿R|]FB]^ÍRT[¤P‘b´Y[ë_R{
>J&H…$+
g½¿R|idkn`]^ÍRT[g½¿R|[§_9K7
:DK"€+K
g®Ì\F]FB]^ÍRT[fu\A’[y_ËF
E[-#³N5
gˆ¤/RNeÓmza`]^ÍRT[gˆ¤/RNeG[Å_gM
¦H'AjS<
gO Mdkn`]^ÍRT[gOY[ç_E60
@>N6A*
gw A^ÍRT[gwY[¸_60C
IH4x-:
gÝûHsSj ®Š€`]^ÍRT[F¬ÝN[Š_F—
œDP/z'
g Mdkn`]^ÍRT[gY[¶_gO
MO8yOL
gY/YgpÌØ¼LD[gY[NV_gY
BE/YP=
gY€ÎA^ÍRT[gY€A[¥_1G1
£G1Tp$
œ®T³}ÓMdkn`]^ÍRT[œ®T³}G[_EGQ
8I$+|H8
œ®—idkn`]^ÍRT[œ®—[‘_S78
DIQ(’>3
œŠ×îA^ÍRT[œŠ×K[y_sM
?\M(Â;9
œÍ€ÎMdkn`]^ÍRT[œÍ€A[§_œP
9D1P~)6
œÍ€A-ºEsÑoj mza`]^ÍRT[œÍ€A[ã_œV
¥BG+k:X
sGjRØ¼LD[Bô]XE[ˆ_E53
£IPLq N
sÛTwMØ¼LD[B„ebm¯[y_Z47
>^FKÃ/W
s‘ ¿«€NÓmza`]^ÍRT[s‘[“_WDG
:B4?M4
sNx”± ™ A^ÍRT[sNx[Æ_¯S
BK.?DV
sNxidkn`]^ÍRT[sNx[…_F41
9>1M~EP
sTcP€£idkn`]^ÍRT[sTcP€£[\_8S4
DK7;“-S
sTcP€£idkn`]^ÍRT[sTcP€£[`_ËN
Ÿ=/YsSY
EÈ¤IM/zB¤LR]^ÍRT[EÈ¤IM[¸_3D2
 K&&u)/
EÈ¤idkn`]^ÍRT[EÈ¤[›_EÈ
EM0;•=
EPPj A^rgD[OŸÁ[‚_OŸ
9G0)}SE
ckihCµidkn`]^ÍRT[AJO[ç_P01
A>9(ŽQG
c¼ eTc×TIa`/ÝM €D’Ø¼LD[c¼[š_cI
¤H"Yn(8
c¼idkn`]^ÍRT[c¼[_EIK
?FC‡ S
c¼-O—A› eTc×TIa`]^ÍRT[ÍRþeÝN[¥_PCW
£G<YpR(
cwøA^ÍRT[cwL[NH_cR
©JM>e'R
•{pÏvMdkn`]^ÍRT[•{pÏE[¨_1L7
ACJI@+
•jR mza`]^ÍRT[`àfD€A[p_•F
›=5Hz/K
•£XbOdq]^ÍRT[{LD¹LL[NJ_CDW
§FR=h.S
•£X ™YšRîA^ÍRT[B`TIŠm[M‡ W48
¦E-Kj7V
•Êidkn`]^ÍRT[•Ê[NM_E92
>@KNˆ ;
•|cúLjidkn`]^ÍRT[•|cúLj[_•T
8I69|JM
EUö¬ÎMdkn`]^ÍRT[EUö¬A[“_F08
9A/T}CE
EåsvF K¤NZ Ýj· àPmS‰A^ÍRT[Ýj·[¥_ÝL
¢GA+qN:
EåsIOih ©ÜOlO‰A^ÍRT[ŸYAGUEZ[PR_ŸZ
¨0-2a&T
EdkvA^ÍRT[EdkE[p_4R7
›<9Yz78
EUÍ¤]^ÍRT[EUÍ¤[Ö_06M
?>#w0M
E}¯ÎA^ÍRT[E}¯A[NV_05U
CEB,’+
E}¯ÎA^ÍRT[E}¯A[Æ_88M
DNX$‘"L
E}¯ÎCm¯]^ÍRT[E}¯ÎCm¯[y_2Z2
E_(?´+,
E}¯ÎMdkn`]^ÍRT[E}¯A[ë_3W8
<KND@
ÔÎCm¯]^ÍRT[ÔÎCm¯[y_2Z3
E^ >²QM
Ôfla-UebOdq”}ýØ¼LD[Ôfla[W  ÔW
AG.; #
ÔfÑoj mza`]^ÍRT[ÔfÑoj[e_ÔV
ŸD 9u=I
ÔhMdkn`]^ÍRT[ÔhT[ˆ_9C8
¡ISGs/#
ÔgÚH/úRzNidkn`]^ÍRT[ÔgÚH[¶_ÔM
œM79z;N
ÔgYûžhPØ¼LD[\D[‚_«X
;GC7€W%
ÔcÚT-lE›Rmza`]^ÍRT[dIab´Y[é_UCY
žB4MvY'
ÔcGp©‰A^šRK[ÔcGp©‰C´Y[¦_X01
¢7PVo57
ÔcºEs mza`/ˆDDjÝûrgD[ÔcºEs[`_GZH
Ÿ=6Tu B
à°½I\ ¢€NÛiœ\øA^ÍRT[à°½I\ ¢€NÛ[Š_3à
8E2,|)Q
öÿý]^ÍRT[öÿý[…_E35
>== ˆ&O
ö^Bf§ eTc×TIa`]^ÍRT[ö^Bf§[y_öI
F^NU±Q6
ö^÷áidkn`]^ÍRT[ö^÷á[‚_FBY
:F(U("
ö^uo‡AFB]^ÍRT[¢“fE[›_™A
EMBT“E3
ö^rg‡A^ÍRT[ö^rgD[Æ_5U5
CMD XR
ö^rg‡dq]^ÍRT[¸NýÉw[â_FDW
£@0Wo$=
ö^rg‡dq]^ÍRT[pÊ„Tc[¥_LHQ
¢EK2pE8
ö^rg‡Mdkn`]^ÍRT[ö^rgD[_ÐL
œG!3yXQ
ö^rg‡Mdkn`]^ÍRT[ö^rgD[o_FWC
žD4Iv6L
ö^rgD/FwlsÃûA^rgD[ö^rgD[‘_U86
CI2=MT
ö^ŠÏØ¼LD[ö^ŠÏ[“_1“
:B3UF"
ö^ŠÏidkn`]^ÍRT[ö^ŠÏ[¶_FRM
8IDD|6V
ö^ŠÏidkn`-F¤NKŸûrgD[ö^ŠÏ[WV_4G7
¤E8Qn(!
ö^ŠÏ ltvA^ÍRT[ö^ŠÏ[‚_FMZ
:FA(@5
ö^úEW]^ÍRT[pÌRÞ[â_33A
¢A'8p%8
ö^úEW]^ÍRT[ö^úEW[Æ_5U6
?MQK†"/
ö^úEW]^ÍRT[R®[…_70T
:?#F7D
ö^úEWidkn`]^ÍRT[ö^úEW[“_6K4
;B/:€:?
ö´Hidkn`]^ÍRT[ö´H[ë_D07
=K %„,
öLûrgD[®Ù[ç_ÐZ
A?9EIH
öLø€¾Rio½]^ÍRT[öLø€¾Rio½[{_O89
DG —8$
öLLBw“bOMMd´ A^šRK[öLLBw“[{_L18
B?3/“-
öL˜ûMdkn`]^ÍRT[öL˜N[NV_¦X
CE;W”JV
öL˜û×‰(ãûVO\HxØ¼Lò]^ÍRT[öL˜N[NV_N¦
CE7"”GU
öL½ eTc×TIa`/EehÃûrgD[eTc×TIa`Ø`½[¶_eL
›N?V{6&
öL½ÝûA^ÍRT[öL½ÝN[M‡ W42
¦E<#j6G
öLŠ¨H]^šRK[öLŠ¨H[Ÿ_5B6
©GA&d>7
ö½všS‰A^ÍRT[ö½všSS[y_KFP
@TPRÁ68
ö½v€¾R mza`]^ÍRT[‚W wôS[p_HZR
œ<I$y:I
öL¹LøA^ÍRT[ïÊH÷RG[ã_W24
¤C4Gm%2
ö€BA¬Mdkn`-ªZ ›LølwHFµØ¼LD[ö€BA¬T[¶_FBL
›J1J{0M
ö€NÀaØ¼LD[AU÷RN[‚_K01
9F5*}M/
öR®R‰P€©]^ÍRT[Fm©€Œ³}G[š_9N7
¦F8@j8<
öRˆNÀa mza`]^ÍRT[öRˆNÀa[Š_öM
CKEx7I
öRMúLj mza`]^ÍRT[öRMúLj[ã_FVX
¥C39l8.
ö¬KÝûMdkn`]^ÍRT[ö¬KÝN[ë_3FU
;KP$L
öYÚTvdq]^ÍRT[Ã®RúLj[é_FYE
A*:w5F
öYÚTvdq]^ÍRT[›žeÀabO}µE[¥_I23
¢E@+q7,
öYÚTvmza`]^bsTc]^ÍRT[p ºf’[…_3T5
:;T;~W
öYÚTÔojidkn`]^ÍRT[öYÚTÔoj[é_FYM
ŸA!At?P
öYÚTÔoj mza`/ºfNxØ¼LD[öYÚTÔoj[Ê_öY
¤@Y:lRO
FŽ|c €¾R]^ÍRT[FŽ|c €¾R[y_3Z1
>^OTÄ%S
Fgk×]^šRK[õŒÃN[p_p3
œ<N:y*N
Fg~R]Rù]^Ø¼LD[F\EµTx[ã_öF
¦C%WjB>
FgT‰rgD[¢“fE[›_SÐ
EMFY“13
FsTmS‰×LF]^ÍRT[FsTmSS[ã_NFE
¦BG=j&"
FcGµØ`½ mza`]^ÍRT[FcGµØ`½[¶_ÐM
9L/"~'6
Fc×ÌeÎÿAuidkn`]^ÍRT[Fc×ÌeÎÿAu[¦_FHB
¢<BIo9F
Fc×ÌO »x €B„ ·ˆNkCI]^ÍRT[ÙûJUf[PR_ñG
©096`#T
FcÌ`vA^rgD[B±F\K[Æ_53U
DN!D"
FcábOdq]^ÍRT[mPUBªC[›_R49
ENI$”E5
FcTovMdkn`]^ÍRT[FcToE[¶_D14
9M?%~/>
F•£Ìs-lmIÿøMdkn`]^ÍRT[F•£Ìs[Ì_D24
<MEAEE
rg‡OF Dmƒ‰A^ÍRT[HeŒjY[¶_04W
œL4zSI
rg‡OF Dmƒ‰A^ÍRT[Áj[ˆ_H80
¢J3SqKL
rLLŠmbOdq]^ÍRT[Pmla[¶_Fæ
œIFBz(M
rLLŠmidkn`]^ÍRT[rLLŠm[¨_FOM
BDW;Ž3M
rÌp A^ÍRT[rÌpY[¥_FDY
¢GIqF%
rN’R p~‰mza`]^ÍRT[£‚{Ø`½[Å_0G7
¦HSjLR
rNjYúLj]^šRK[rNjYúLj[š_G05
¤F,JnA
rN‚ rgD[¹[…_T47
9?>$~DX
rmBAåH]^ÍRT[rmBAåH[{_F34
CBQB–9R
rRl]^Ø¼LD[ŠNwE[›_W16
FMR/—YI
rRlØªGHA^ÍRT[Koø©úøHo½[Ê_ÐA
¦B!iF0
rž p~ µF‰A^ÍRT[rž p~[‘_S92
DL1O‘!M
ržcbOdq]^ÍRT[wN/wBY[…_56F
<>O:‚6L
rTuÜ”Žu]^ÍRT[uh˜—E[ˆ_FPK
¡H@9rNJ
rTu÷RÓMdkn`]^ÍRT[rTu÷RG[Ÿ_rT
©H?,eK?
rTZ’¤L‡Mdkn`]^ÍRT[rTZ’¤LD[­_FZG
¡=G q.-
¦–OB]^ÍRT[€¾Rñ©/RUB‘OUX/[{_€R
B?Y2“6B
¦AGjR àä¨I¾]^ÍRT[šLMbO„T[¦_rN
¢;9Uo*:
¦AÛÐ²¬ªƒ]^ÍRT[¦AÛÐ[ç_¦G
AA&7F'
¦fA­ûrgD[öRMúLj[Ê_N08
¥A?6k?D
¦fDmAUidkn`]^ÍRT[¦fDmAU[ë_4P3
9J-~AA
¦t]^ÍRT[¦t[y_¦T
B\9(»Y*
¦œeG-ŸÃûA^ÍRT[¦œeÛ÷RG[K ØGX
¢D><qJD
¦ÚucØ¼LD[þh§Òj[Ö_ŒM
@/Yx<J
¦\ÎMdkn`]^ÍRT[¦\A[e_5I2
 F>5t>T
¦\ÎMdkn`]^ÍRT[¦\A[o_FOA
žDETv9)
¦\`ÎMdkn`]^ÍRT[¦\`A[`_0J4
Ÿ= ?t0H
¦\s°idkn`]^ÍRT[¦\s°[\_6S2
EIXXš$G
¦\s° mza`]^ÍRT[¦\s°[â_¦O
¤@)%mI8
¦OY‡ÿN‚—iœ\øA^ÍRT[GjýØ`½[Å_G¦
¨I2:gBC
¦OY‡Wêa• jBfa]^ÍRT[jBfa[Š_LÉ
›CDTzE'
¦OYÒÒidkn`]^ÍRT[¦OYÒÒ[…_41F
<@$ƒ1O
¦ F\Ød]^ÍRT[ãÊOU¾R[›_W56
EKG,˜=1
¦Ye T±c]^ÍRT[fGjÝN[…_81D
9;-T}6K
¦YeÓBhÜ ¤ÊH]^ÍRT[¢€NGrgD[Š_Š2
›C(={%J
¦YeÓC]^ÍRT[ÙN’R[…_T87
:?2>.*
¦YeÓþOU‡A^ÍRT[ˆN‚AÍªS[¶_FCM
›JOE{9=
¦YeÓ·LpR]^ÍRT[{×©ýx[š_8N4
§G*Ti,O
¦YeÓFŽ|c‰A^ÍRT[uoÝN[¸_11Y
ŸJ!Pv)=
¦YeÓH ¤ÊH]^ÍRT[í´•Éw[…_T29
:?CP~V9
¦YeÓJ ¤ÊH]^ÍRT[PIŸ[ç_E37
@>PR‹RT
¦YeÓM]c«w®[’RŸýúLj[š_P91
§FJ-iH2
¦YeÓM ¤ÊH]^ÍRT[YceÀa[NV_3A5
CDBL•&
¦YeÓTs]^ÍRT[huc[¦_0J8
¡;C(p<=
¦YeÓV ¤ÊH]^ÍRT[˜UxE[…_T26
9;$<~5V
¦YeÓW]^ÍRT[ÁRTÑoj[â_2Q0
£@7Jn"*
¦YeÓW]^ÍRT[»¡cÝN[NJ_N14
§EV!hN8
¦YeG-A-¤ÊH]^ÍRT[FRU´ÍRT[ˆ_39Z
 I$0t%/
Fa‡ì pCbOdq]^ÍRT[Fa‡ì pC[¸_¦D
ŸIL.v;0
FOO|o½ mza`]^ÍRT[ŠR­Ïa[Ê_MRN
£AO+oBG
F\‡A^ÍRT[^aiOde KeÛF\D[ˆ_IÆ
ŸKO$v$R
F\DY°idkn`]^ÍRT[F\DY°[h_5M4
›?PKz3V
F\•C´ Mdkn`/T€¡jØ¼LD[F\•C´Y[_FXY
›I,#{C9
F\•HoøA^ÍRT[¹lÈ`[ˆ_3F5
¡HTHrF<
F\•p~]^ÍRT[F\•p~[¶_25D
›K,QzY@
F\§]^ÍRT[F\§[›_S18
FMV.š5K
F\tKeÃûMdkn`]^ÍRT[F\tKeÃN[¸_61C
žHWNvO!
F\ÿÏa]^ÍRT[F\ÿÏa[Æ_79S
BMPEŒD+
F\B‘¹LøA^ÍRT[F\B‘¹LL[{_A28
DGRA–&N
F\B€D’R]^ÍRT[F\B€D’R[W ØBR
AG5BŒ63
F\·D’ mza`]^ÍRT[F\·D’[_F«
8H?"|)=
F\~Ïidkn`]^ÍRT[F\~Ï[®_7®
«M**b@L
F\pU©RÒj àä¨I¾]^ÍRT[F\pU©RÒj[¦_FXE
¢8)Pn(-
F\pU©RÒj/Lï¿« eTc×TIa`]^ÍRT[F\pU©RÒj[¦_¦L
¢8"0n&Y
F\ŸDxaidkn`]^ÍRT[F\ŸDxa[_FSW
œFE?y1F
F\®ôvàä¨I¾]^ÍRT[F\®ôv(«sÝN)[M‡Ø®
¦E#%jK@
F\ŠR­ûMdkn`]^ÍRT[F\ŠR­N[_FMM
>F2&…N-
F\óŒ]^ÍRT[F\óŒ[Æ_37S
@N/ˆ:F
F\âO—idkn`]^ÍRT[F\âO—[§_F™
8CMT|L(
F\Sˆ| pÌeÓl€P[F\Sˆ|[Æ_5U7
AK1-‰UR
F\Sˆ| mza`]^ÍRT[F\Sˆ|[h_FSM
8A2*|3X
F\lOŒÝN-ó‰dq]^ÍRT[F\lOŒÝN[…_Fl
=<TU„TL
F\SÞ‚Ridkn`]^ÍRT[F\SÞ‚R[NM_FSU
>@;2†*Y
F\›LÝûÿAu]^ÍRT[×ãRm[¦_1J9
Ÿ<65tOK
F\›Y‚ eTc×TIa`]^ÍRT[F\›Y‚[e_F›
¡FXHs)I
F\¿R|iŽuƒ eTc×TIa`]^ÍRT[F\¿R|[…_FTW
:>O)3K
F\¿R| ×‰JRBü{RS¹Lørgò]^ÍRT[F\¿R|[…_NFW
:>L'8<
F\¿R| ¢e§]^ÍRT[F\¿R|[…_FWS
:>?T0<
F\YUKa]^ÍRT[F\YUKa[y_FYU
G`@3¯,M
FOSlaidkn`/f©RÃûrgD[FOSla[¶_F£
9MA@}L7
FOdeHŽ‡˜D’]^šRK[EUö¬A[“_0F7
9A51}B
FO}b\‚R‰mza`]^ÍRT[öRˆNÀa[NM_F¶
@BJ;Š+N
FO} ¸Ì‰A^ÍRT[°ª×[…_9S1
9?4$~K/
F†jR]^ÍRT[F†jR[§_18K
<C5!‚)(
FOX lEÈs‰rgD/zL®Ridkn`]^ÍRT[zL®R[…_JXI
8>GS|VV
F¤Êx ‰­Bm™I]^ÍRT[¹lÁðÝûÿAu[Å_F“
¨FPCfCU
F¤Êa]^ÍRT[F¤Êa[NH_1B5
©J)KeK!
F¤NîFËcciœ\øA^ÍRT[B€NKjY[h_M36
œ@ROy(A
F¤Nîñ~‰A^ÍRT[»¾R‚[`_04A
Ÿ=J)t-K
F¤Nî¸j rgD[ˆj‰C´Y[Æ_M½
@L7C‡S0
F¤NKF\þeÝûdq mza`]^ÍRT[F¤NKF\T[e_FKR
 F.6t?J
F¤NKF\·Wiœ\ørgD[F¤NKF\T[ˆ_F§
¡JC=t*!
F¤NKF\T-H±HpÌ]^ÍRT[¨kA/F¤NKF\T[Å_6B4
§IXi((
F¤NKªûdq]^ÍRT[Šd¾RNa[…_F53
9?*U},,
F¤NKªûdq]^ÍRT[£›‚E[é_UOS
 A*1sSS
F¤NKªûdq mza`]^ÍRT[uƒÿR³}G[š_N68
¦EX5kDB
F¤NKªûdq ltvA^ÍRT[H±H­TE[VØÃ
©JV2g#P
F¤NKªûrgD[dIa ¢€NÛ[`_07A
 >(!sNF
F¤NKªûrgD[F¤NKªN[{_F72
DD0,—7L
F¤NKªû¦YeÓrgD[F¤NKªN[e_3FK
 E7At!<
F¤NKªûmza`]^ÍRT[F¤NKªN[ã_FKN
¥BHjT&
F¤NKªN-ÁRA^ÍRT[{Na[­_18A
¢@27q%Q
F¤NKªÏa]^ÍRT[F¤NKªÏa[p_2R7
<O(x$K
F¤âÎrgD[}BfA[o_C16
ŸF&Mv)U
F¤Z¼R p~]^šRK[Lªlc[{_1C9
CBW(—9L
Fm©€Œ ·åpSS/ºŽTc wu•Tc eTc×TIa`]^ÍRT[wu•Tc[Å_wC
¦I%'kF1
Fm©€Œidkn`]^ÍRT[Fm©€Œ[M‡ØDK
¦E7k4;
Fm©€Œ mza`]^ÍRT[Fm©€Œ[“_FDR
;@3&€Y 
Fm©€Œ W Sˆ| eTc×TIa`/®ðHx]^ÍRT[®ðHx[é_®M
A ?wXB
Fm·N]^ÍRT[Fm·N[§_1K7
9C@Q}P,
FmËOMØ¼LD[ªÌÙY[…_7T0
:?AC+&
FmËOMidkn`]^ÍRT[FmËOM[“_K77
;BK=$%
FmEL‡A^ÍRT[FmELD[Å_1I5
¨H3Ph!T
FmœfØ¼LD[JdCTIab´Y[§_3JC
:E B~PB
Fmœfidkn`]^ÍRT[£YŠ}[e_£R
 DU9sTA
FmE› A^ÍRT[É¸E[M‡ W00
¦DV;jL3
FmŠÏ]^ÍRT[FmŠÏ[¥_14G
¢G1Yq'F
FmŠÏbOdq]^ÍRT[{Nab´Y[_1V6
>D7I‡$7
FmŠÏ xpÌ ˜¹R]^ÍRT[OóR[¨_1¨
BG(>Ž4O
FmŠÏ xpÌ UPóR]^ÍRT[OóR[¨_2¨
BG'@Ž1Y
FmŠÏidkn`]^ÍRT[FmŠÏ[‚_FÚ
9G9~=.
FmŠÏidkn`]^ÍRT[FmŠÏ[ˆ_ÐX
¡I84sYH
FmÊHØ€­TvžO`‰A^ÍRT[TcûxpÌ[HI_HFS
@5QQÄ/#
FmÊH ªŒidkn`]^ÍRT[FmÊH ªŒ[e_FRH
 D<4tD+
FmÊHß`j A^ÍRT[M}€ÚA/Tœä¬A[{_F70
B?@9“%I
FmSNObÁÌjR àä¨I¾]^ÍRT[FmSNO[{_Fu
CBIV•O+
FmSNO YO£ˆTveTc×TIa`]^ÍRT[FmSNO[{_öT
CBLB•I&
F€Ò ÁRÉR]^ÍRT[F€Ò ÁRÉR[›_FHR
FN=1™:
F€ËŸû®Š€`]^ÍRT[ÁoEY[‘_Sd
CI<,/J
FwÏ wY`-›Rmûdq]^ÍRT[FwÏ wY`[ã_FRR
¥DU!l-*
F¬jR]^ÍRT[ˆLF\D[_4D8
8I2}'?
F¬jRÝûMdkn`]^ÍRT[F¬jRÝN[{_F¬
B?R1“XM
F¬ÝûA^ÍRT[F¬ÝN[K  1M7
žB=>vU"
F¬Ýûdq]^ÍRT[J¥ýÝWN[Å_Å0
¨HYSh1L
F¬Ýûdq]^ÍRT[wu•Tc[e_RCR
 G!Vt(T
F¬Ýûdq]^ÍRT[›µEa[¥_µE
¢GBAr%D
F¬Ýûdq àä¨I¾/uhªvBwWûrgD[tpÏA[­_Fq
¡?LNr=-
F}×°bm¯]^ÍRT[©tHß`j ×TIa`²hK[{_L06
BB9D’RM
ÓViaTÕ®á]^ÍRT[F\•T[Ö_2M4
>30w;/
­BB‰A^ÍRT[­BBS[NV_­B
CDU2“W=
­Œjidkn`]^ÍRT[­Œj[Ì_9G9
;LC0'R
­’]^ÍRT[­’[“_­G
;B/KLA
­e•bOdq]^ÍRT[£ˆNE[…_GÊ
=>F=„E(
­e•úLjidkn`]^ÍRT[­e•úLj[…_Gj
:?E&)P
­e•úLj mza`]^ÍRT[­e•úLj[¦_GNV
¢;G6p.0
­LB¤´H p~]^ÍRT[­LB¤´H p~[y_GBH
Eb:M³;6
­ªaidkn`]^ÍRT[­ªa[¥_GQQ
£FK*pI8
­LpTebOdq]^ÍRT[¢h[K  8GK
¡DFLrUJ
­LªA-®±‰mza`]^ÍRT[­LªÍªS[¥_­S
£DP!p'N
­L»Pidkn`]^ÍRT[­L»P[NM_GUP
@A<FŠM4
­LrgD[ºEs¿«/¿Ìc p~[o_10C
ŸH6(v4<
­L¾la]^ÍRT[­L¾la[e_5I6
 FA!t-7
­¡gøA^ÍRT[­¡gL[y_­M
;]LÉIX
­ý‚RØ¼LD[ÄeCY[{_2O1
DEVD–VI
­RÿRúLj]^ÍRT[­RÿRúLj[{_O16
DF#&™NQ
­R©ûC´ mza`]^ÍRT[­R©ûC´Y[§_GŒ
<CUE‚I:
­R©ûdq/KeÓRHoE rgD[OžKOž[‚_“S
=G6%„35
­R©ûãLj A^ÍRT[­R©ûãLjY[‘_U88
DJ"‘US
­RDec]^ÍRT[­RDec[Æ_29S
BK!ŒJN
­RD‚Ridkn`]^ÍRT[­RD‚R[Ÿ_GDM
©H?fX
­RD‚Ridkn`]^ÍRT[­RD‚R[§_K34
8DN7|W6
­R‚RØ¼LD[UãL©[…_Uã
;;*GJC
­R‚—idkn`]^ÍRT[­R‚—[§_K68
8D.D}*U
­RýEY‰A^ÍRT[âHUYjRúLj[Å_B04
¨I""gA 
­Rm—bOdq]^ÍRT[OypÌ[M‡ 2G4
¥E@Qm2'
­R€ÃûÒM mCmtIa`]^šRK[€¾RÒj[Ì_37N
=M:Xƒ6;
­R€ÃûMdkn`]^ÍRT[­R€ÃN[Ì_D05
=ME4ƒ8*
­á/ukAÕ eTc×TIa`]^ÍRT[­á/ukAÕ[e_GYY
ŸGC u6R
­laidkn`]^ÍRT[­la[Ê_yH
£A*'o'
­la‰A^ÍRT[p~úEW[h_3M0
›B2Wz?3
­T•]^ÍRT[­Rm—Ñoj[¥_7D8
¤G3"o#S
­T•úLjidkn`]^ÍRT[­T•úLj[…_ÕP
:=7-MM
­TªN÷RG-P±EaØ\’]^ÍRT[£úcúLj[é_GKT
¡AQ:q=I
­V]^]^ÍRT[íhÝN[…_94R
9;-R~8
­Y˜R‡mza`]^ÍRT[­Y˜RD[ˆ_GLR
¢KMrH*
’h ÎBt•/JEÐcÃûdq]^šRK[lEUÿNúLj[¥_2G2
¤F3DnH$
’AåÎdq]^ÍRT[ˆDDjrgD[¥_7G8
¤G8Yo!M
’N-A^šRîA^ÍRT[’‚£O[o_3G8
G85x$B
’‚ SÅ©R]^ÍRT[öLŠ¨H[K  K62
¡DH-r5=
’‚¤ø©¸— ¢Ae]^ÍRT[®ðHx[é_M01
A* x!,
’‚¤øDkîlO¨Ø¼LD[H}€{‚[¨_1L8
BC&704
’‚¤ø·WNeÓ-²E\ eTc×TIa`]^ÍRT[ó\[o_P
žFEQwGB
’‚¤øË›R‡pWmÊv˜­ûeTc×TIa`]^ÍRT[Éla[Ÿ_ÉS
©H3Me5
’‚¤øˆTugøeTc×TIa`]^ÍRT[ˆL›U~E[¸_M~
ŸHVOuSO
’‚¤øWMêØOX]^rgD[pÊ„Tc[{_WJF
B@J:”+%
’‚£vdq]^ÍRT[BtAúA[Å_GVQ
¦ITl()
’‚£O]^ÍRT[’‚£O[Å_D52
¦HN$kPM
’‚ãidkn`]^ÍRT[’‚ã[`_33J
Ÿ=!'sR&
’NOÎMdkn`]^ÍRT[’NOA[‚_97Y
:G6.HA
’\’”µH eTCÏL/µÝûA^ÍRT[µÝN[…_H
9;Y"}2;
’\’ ·W‚R]^ÍRT[`kÔoj[`_AIV
ž?$6v)P
’\’ØgA^ÍRT[w£÷RG[\_5S1
EI*V™6.
’\’ øâO—idkn`]^ÍRT[¹l dIa[_3Y2
œHY%yM8
’\’i”áf]^ÍRT[lhKúLj[Ö_lF
ž?7YvPU
’\’ RbhRiœ\øA^Ø¼LD[É­»Ù[p_BXA
<NOwQT
’\’ j¸‰A^ÍRT[°ÒR ~Y[¦_CDK
¡;&!q! 
’\’ÝWûA^ÍRT[’\’ÝWN[{_E36
DDU.–QS
’\’ÝWûdq]^ÍRT[’\’ÝWN[â_G’
¤?0Gm1+
’\’ÝWûàä¨I¾]^ÍRT[’\’ÝWN[…_ÀU
:<FJFL
’\’ÝWN-âO—bOdq mza`]^ÍRT[’\’ÝWN[K  27K
¡D,"r8#
’¤L‡RØ\‡eTc×TIa`]^ÍRT[ºf‡¤P‘S[ˆ_ºR
¡HRQs=4
’¤LDevA^ÍRT[’¤LDeE[Æ_5U8
BMAMŒ-W
’—Y³}ÓMdkn`]^ÍRT[’—Y³}G[ë_0D8
<JY*W(
’—Y³}Ómza`]^ÍRT[’—Y³}G[š_W05
¦EP;k.;
zBÃûdq]^ÍRT[TmÏa[é_TGC
žAUWvPV
zDDeÛ-jvdq]^ÍRT[zDDeÛ[…_GYB
:<('~XN
z©aiœ\øA^ÍRT[z©a[Š_M85
B8DwT,
zc®îàä¨I¾]^ÍRT[ŽN[Å_8G3
¥H"!l62
zÐ\‡rgD[jBw“[NH_4C4
©JS-e<:
zp”s‡AF]UX]^ÍRT[zp”sD[ç_GXF
A>S.ŽI)
zp”s‡Mdkn`]^ÍRT[zp”sD[ç_E63
A>WCŽF7
zLÿRrgD[€O[¸_94C
žI9$w-0
zLj¢¼bOdq]^ÍRT[Fm©€Œ³}G[…_T82
;<,B€T?
zLj¢¼Ø¼LD[®DDYÿðS[®_66B
«KMa3W
zLj¢¼Ø¼LD[ÙûD¼Õ/gbAJa[{_£E
B>O@’X3
zLªƒ -iCba‚LøA^rgD[{R|A’[Ê_BQ1
¤A2<m8+
zL®RbOdq]^ÍRT[gªõY[­_49A
¡@CGr=B
zRD¿«]^ÍRT[zRD¿«[y_AQY
EZX&³%(
GpC¼Rbm¯]^ÍRT[GpC¼Rbm¯[y_KGZ
G[90¬4Q
GpC¼R²hîeTc×TIa`]^ÍRT[æª¢gL[Æ_GPI
DN0D-4
Gp©›Tcidkn`]^ÍRT[Gp©›Tc[…_07F
8>=J|X0
GpD¸ûZÚTgiœ\øA^ÍRT[GpD¸N[ˆ_GDW
¢IX,r:<
GpSÕWidkn`]^ÍRT[GpSÕW[K  GLW
 CTsW,
Gjû¬ªûmza`]^ÍRT[Gjû¬ªN[Ì_D57
=LNRƒQU
GjÊOvMdkn`]^ÍRT[GjÊOE[¶_GYL
›JK4|"S
GjÌ`vmza`]^ÍRT[GjÌ`E[ç_’U
A?=CŽ/I
GjNÌ`vA^ÍRT[K“OŠ[e_8I3
 F8t**
GjNýØcáidkn`]^ÍRT[GjNýØcá[‘_U89
CHVC‘1N
GjN¿«]^ÍRT[GjN¿«[NM_E94
??3*ŠR 
GjN¿«idkn`]^ÍRT[GjN¿«[¶_GHW
8KDD}1,
G˜›ŒI]^ÍRT[lê¥ý[ˆ_97G
¢IrAK
GNOS‰rgD[NOãÝ[{_DVO
DD&C˜?8
ÕDŸûhù]^Ø¼LD[F\KNOX[K ØTK
 CT7sX1
Õ’Bk/^abOdq]^ÍRT[^a¿«[ˆ_IWD
žL=Ex%S
ÕHEs]^ÍRT[BtTj ºOdD[›_W52
EKOB˜@C
ÕL‡ÿAuidkn`]^ÍRT[ÕL‡ÿAu[\_4S1
EH6Uš7<
ÕL‡KeÓCm¯]^ÍRT[ö^Bf§[y_y7
F^)S±UI
ÕL©ûT€fGj mza`]^ÍRT[»¡µ/W²OeT/lhKúLj[Ö_ÀR
ž?8TvA;
ÕL©Ì`vA^ÍRT[ÕL©Ì`E[›_S20
EKOU–PI
ÕLDrg‡A^ÍRT[ÕLDrgD[NV_1A8
CCI1“,)
ÕLD|›´vMdkn`]^ÍRT[ÕLD|›´E[…_T37
;=7K€B<
Õªô NF]^ÍRT[ÿRþA^[…_NÀ
::BHBK
Õ˜úûA^ÍRT[Õ˜úN[y_GLV
?^? Á8
Õ«s]^šRK[€D’ï[M‡ RJD
¦DX*iQY
Õ«eÓMdkn`]^ÍRT[Õ«eG[‘_GNG
CHUKY
Õ«‚W‰A^ÍRT[Õ«‚WS[y_GNU
@Y%"¿@7
Õ«¢EË]^ÍRT[ŽlÜôÒM[C 42B
¨G8Jf92
ÕO£”‹]^ÍRT[ÕO£”‹[y_Z40
E[5G³P>
ÕO£bm¯]^ÍRT[eDûT¤o[Ê_28A
£A%.nA,
ÕR·ûMdkn`]^ÍRT[ÕR·N[‚_ºN
=HN4„(=
ÕR·ýúLjidkn`]^ÍRT[ÕR·ýúLj[ã_G¾
¥D'4l'W
ÕRÁM]^ÍRT[ÕRÁM[NH_2G8
©J5Ce)S
Õžsidkn`]^ÍRT[Õžs[e_ÛH
 G=@sMF
Õ|s÷RÓMdkn`]^ÍRT[Õ|s÷RG[‚_ÀE
<FU>‚&N
Õ¬‡óTcÃûMdkn`]^ÍRT[RKIO[Š_K57
9F8J}4 
Õ¾bOdq]^ÍRT[ÄeTc[§_1QK
<E 1‚, 
Õ›ÌÎA^ÍRT[Õ›ÌA[Å_D59
¥H<,lW 
ºAÁMØ¼LD[N\| ñOUXb´Y[ë_7K7
9H>9~;&
ºAÁMidkn`]^ÍRT[ºAÁM[…_RÈ
;?$E€?/
ºAÁM µF‰A^ÍRT[tpÏA[‘_U45
CIW1‘.3
ºf÷á mza`]^ÍRT[ºf÷á[…_GDJ
:>8AO/
ºfBY-ºf‡dq]^ÍRT[ºfBY[_GNB
?F#6‡U
ºf‡{Åa”h Ts]^l€P[í´Šm[ç_1Z1
AB-5+Q
ºf‡{ÅabA¾Rý]^ÍRT[óAu ¢€NÛ[ç_L37
AA=D,Q
ºf‡{Åa ÏøšRîA^ÍRT[ºf‡{Åa[ç_GCN
AAW&Ž&O
ºf‡{Åa mza`]^ÍRT[¹L½Éw[š_N38
¦GIGk5J
ºf‡{Åa ¹l]^ÍRT[óAu ¢€NÛ[ç_1G4
BAY(O
ºf‡¬EvÒM]^ÍRT[gäT€Cb´Y[›_3W7
EMU1•"Y
ºf‡F\§]FB]^ÍRT[ºf‡F\§[Ì_RDR
:MWG6!
ºf‡F\§ eTc×TIa`]^ÍRT[ºf‡F\§[Ì_GFK
:MVR(>
ºf‡GpIZE-OÙ’”Žu]^ÍRT[OÙ’”Žu[Š_K15
›D$DzFP
ºf‡Á¾û®Š€`]^šRK[ºf‡Á¾N[ˆ_3GM
 I !t)S
ºf‡JdCTIa mza`]^ÍRT[ºf‡JdCTIa[_GJT
@E%/Š=>
ºf‡p~ mza`]^ÍRT[AFÝN[“_3O9
8B@E|QI
ºf‡Ÿ¤x]^ÍRT[ºf‡Ÿ¤x[ˆ_Y98
¡LC+sU*
ºf‡Ÿ¤x/“bOdq]^ÍRT[ºf‡Ÿ¤x[¶_ŒC
žMP0x5"
ºf‡P¤^¼idkn`]^ÍRT[ºf‡P¤^¼[…_GPM
:>GV O
ºf‡¤P‘S/´„{bOdq-ÕR·û‚WlwMØ¼LD[ºf‡¤P‘S[¶_GPZ
›M*?{<B
ºf‡l¤Ì]^ÍRT[N\|iYRTj”Žu[â_Cm
¤?NHlI8
ºfDrg‡Mdkn`]^ÍRT[ºfDrgD[“_1O1
;@,-€J=
ºf´vöL½idkn`/jNZs-wE-ö’û®Š€`Ø¼LD[ºf´vöL½[¶_GDB
9JK'}?2
ºf´vŠde]^ ltIa[ºf´vŠde[y_ÛZ
@_6&¿.S
ºf´vžO`S/”OB SYL¾lc]^šRK[ºf´vžO`S[…_2G5
:<A4€4+
ºfdq]^ÍRT[HYfNx[‚_1V2
=HBƒL*
ºfdq]^ÍRT[ñL¾Rb´Y[NM_ÑC
?>D*Š'5
ºfdq]^ÍRT[óTc³}G[WV_W99
¥DYHm&K
ºfdq eTc×TIa`]^ÍRT[Š£‰p~[›_Mí
EM*=•1'
ºfdq mza`/OzLúvrgD[J¥ûÒY[\_GCD
DJ6)”X"
ºfMdkn`]^ÍRT[ºfT[‚_GGF
=FR,ƒJ 
ºfT‰šS‰A^ÍRT[ºfT‰šSS[\_3S8
EH<B™5/
ºfTS-ˆpûMdkn`]^ÍRT[ºfTS[NM_GÏ
?A( ‰T%
ºfT³}ÓMdkn`]^ÍRT[ºfT³}G[¸_ÀG
œKMTzER
º„®m]^ÍRT[º„®m[‘_U91
CH46‘RL
ºtIOMMd´ A^ÍRT[`Ÿ[ˆ_ƒN
¢I12rG/
ºA¾Lïß`j A^ÍRT[UPóR p~[{_1Q5
DE9!˜W/
º‹]Rù]^Ø¼L‡(JOeB„vj¸S-èu\ò]^ÍRT[F\j¸S/Ÿ[›_ºF
FM"K˜@Q
º‹ªNÓA^ÍRT[º‹ªNG[y_KGX
A\S>¾!Y
º‹ªNÓhù]^Ø¼LD[º‹ªNG[ˆ_ÕV
¢JFOrIJ
º‹‰Cm¯]^ÍRT[öYÚTÔoj[Ê_2GC
¤@SClPC
ºŽBh€NÀa]^ÍRT[ºŽBh€NÀa[Ÿ_GBR
¨H)!g6*
ºŽÿÌidkn`]^ÍRT[ºŽÿÌ[§_GBD
;D2E€Q?
ºŽöL½ eTc×TIa`]^ÍRT[ºŽöL½[Æ_ÀF
CM:V4+
ºŽãLj A^ÍRT[ºŽãLjY[Å_N56
¥H*+lDW
ºŽTc”ŽRDl†ûA^ÍRT[ÿhDl†N[o_K06
EX6x6+
ºŽTc”eGÁÆa/Ë¸ûÎªNîrgD[BeGÁÆa[Å_BGM
§H*<iXM
ºŽTc”mEZE¿« mza`]^ÍRT[BmEZE¿«[š_P17
¥ER9l/R
ºŽTcbÞÿRpÌ mza`]^ÍRT[CÞÿRpÌ[M‡bÿ
¥EBVlKJ
ºŽTc æNæ~vA^ÍRT[æNæ~E[o_IKK
ŸG"/uPM
ºŽTci\€‰dq]^ÍRT[Òe’RrgD[…_8F5
8?&S|H
ºŽTc²\TSŠ¨H mza`]^ÍRT[ÍRTSŠ¨H[¥_PMH
¢DP8pPP
ºŽÝûA^rgD[Ù[®_98M
©I@?d=&
ºEgEY-¹L‡dq]^ÍRT[ºEgEY[_GXY
>F8-†D
ºEs]Cm‰A^rgD[šðA[…_28X
<A9-‚YD
ºEs]Cm‰A^ÍRT[ªúNÛÝN[Å_1A1
¨H&XgK 
ºEs”‹/AµTe l¤UÿøeTc×TIa`]^ÍRT[ºEs”‹[¸_ºB
ŸJ;#v%M
ºEs p~]^ÍRT[eTc˜us[ˆ_Y88
¡JB3sK6
ºEs €¾Ridkn`]^ÍRT[ºEs €¾R[¨_U34
ADWHŒ+D
ºEsB€cß`j A^ÍRT[j¸³}G[WV_LWB
¤CQ<n5X
ºEsvA^ÍRT[ºEsE[Å_4N7
§H0-iM,
ºEsvdq]^ÍRT[›Y‚³}G[š_›Y
¤ET"n%P
ºEsvdq mza`]^ÍRT[ºEs³\O[­_CPP
¡?ASq&0
ºEsvdq/j¸‰ÎõŒÃûmza`]^ÍRT[ÒYÝN[¥_GDK
¢EG9qY@
ºEsÔojidkn`]^ÍRT[ºEsÔoj[é_GCY
¢B)KpNG
ºEsrg‡Mdkn`]^ÍRT[ºEsrgD[_GFZ
8G1D|8I
ºEsjvdq]^ÍRT[þIFÝN/ŠmÊI[ç_CFT
@>W7‹*F
ºEs³\O àä¨I¾]^ÍRT[ºEs³\O[Ê_3A4
¤AV=mG&
ºEs³\Oidkn`]^ÍRT[ºEs³\O[`_7A0
ž>FTuEI
ºEs³}ÓJŽN‚—vmza`]^ÍRT[JŽN‚—E[š_5G8
¤F4AmB>
ºEs³}ÓMdkn`]^ÍRT[ºEs³}G[§_9§
;CC4+H
ºEs³}ÓMdkn`]^ÍRT[ºEs³}G[e_I34
 E1*s=<
ºEsSrg‡A^ÍRT[Šâ†io½[Š_M71
DT$xWC
ºEsúLj]^ÍRT[ºEsúLj[o_ºE
žDP(w4J
ºEsúLj ·WÏ†ûA^ÍRT[ºEsúLj[â_GMU
¢@PSp3
ºEsúLji‘-©L]^ÍRT[ºEsúLj[Ö_GLH
œ?;%xY"
ºEsúLjidkn`]^ÍRT[ºEsúLj[®_3B1
ªK9Lc?$
ºEsúLjidkn`]^ÍRT[ºEsúLj[š_4G1
¤G8Nn5:
ºEsúLjidkn`]^ÍRT[ºEsúLj[ˆ_6D6
¡I&>s-,
ºEsúLj ¢hN÷RÓeTc×TIa`]^ÍRT[ºEc[â_ÛP
¢@SJp+&
ºEsúLj-¤eÉW]^ÍRT[ºEsúLj[Å_1H4
¨H7)h7
ºEs¿«bOdq]^ÍRT[ºEs¿«[â_ºD
¢@-p':
ºEs¿« p~]^ÍRT[¹lioF\D[NJ_4N1
§G%Hh2N
ºEs¿«-j¦\vA^ÍRT[ºEs¿«[Ö_G¿
?;Bx#*
ºEÕái ñMŠýiœ\øA^ÍRT[Cx[…_GZN
;>3W7
ºEÕáidkn`/¦YNûrgD[ºEÕá[ë_9D1
;I+06*
ºsôÎMdkn`]^ÍRT[ºsôA[Ö_GNF
?OWwMS
ºIÐeØ¼LD[jãÏ[®_PG1
ªJR"bXD
ºIÐe-¢`DeÓdq]^ÍRT[ºIÐe[­_6A2
¡?+Cr.<
ºIÐx‰eTc×TIa`]^ÍRT[w®[Å_R®
§I, i67
ºIÐ´H-®R€LLúLj]^ÍRT[ºIÐ´H[e_05C
ŸG=)u5X
ºI®‰A^ÍRT[ÿ|g[š_8N1
¦F;#j-O
ºI®‰rgD[}BfA[¥_I74
¢F%WqK-
ºeDlavA^ÜhÉR]^ÍRT[ÍRAµTe[ˆ_29C
£J NpTR
ºe‚Lømza`]^ÍRT[ºe‚LL[_Gz
›GHBzJ'
ºxÃM]RB]^ÍRT[óRU[e_Gµ
 FDSt'&
ºOS‰A^ÍRT[PeNNeG[ˆ_52I
¢IPOrL
ºOS£ ovMdkn`]^ÍRT[©Tw´/ºOS£ oE[ˆ_aZ
¢H#Wq'G
ºOÝN-‚W ˜Ìa]^ÍRT[ºOÝû(‚W ˜Ìa)[C ÕN
¨G1Nf I
ºO¾b´ A^ÍRT[ºO¾b´Y[š_29D
¤G&Ln("
ºO¾Ø¼LD[{ŸS[›_1W1
EKCF˜6.
ºO¾ mza`]^ÍRT[ºO¾[“_GMJ
8BB6|J1
ºO¾pÌ/YO£ˆTvA^ÍRT[ºO¾pÌ[{_E45
CCQH–(I
ºO¾ÝN/T€N´ dq]^ÍRT[ºO¾ÝN[…_33R
9=#"}'Q
ºdD °Ïcidkn`]^ÍRT[ºdD °Ïc[_6K7
›H3 zP<
ºU¾Ridkn`]^ÍRT[ºU¾R[…_E19
<B,ƒ7V
ºYGpidkn` -ig ¸L~ýØ¼LD[ºYGp[¶_3G2
9N/E}C?
ÀR ºEs €¾R eTc­pCTk ¢A°ÍRA^ÍRT[ºEs €¾R[W  48U
AG9;‹;7
G¬F ž\• eTc×TIa`/õŒ Ë›RD‰rgD[G¬F ž\•[`_Jæ
ž</5uF0
G¬FÍRT-BoOXI eTc×TIa`]^ÍRT[G¬FÍRT[Ö_GPT
<68w"*
G¬æ×]^ÍRT[G¬æ×[y_GKN
F\'.¯91
GdDY‰A^ÍRT[†„Ã[“_O38
9B.}M
GdNxa-CmlË”¨Tvmza`]^ÍRT[GdNxa[_GUC
?D>"ˆUT
GdTcÑojidkn`/JOvlh‚‰rgD[GdTcÑoj[`_8A1
Ÿ@64t-E
G}·û˜¹Ø¼LD[G}·N[h_5M8
›?U8{(#
GµVµ]^ÍRT[GµVµ[y_ÛT
HX7=¥H9
GµTevA^ÍRT[GµTeE[{_3O1
CC-D–WQ
G¨H€vdq mza`]^ÍRT[G¨H€v°Ïc[_GCT
8GG+|8$
G¨H€E/ËŠÌ mza`]^ÍRT[G¨H€E[“_ÕK
:AQ#6X
G¨Z®R'‰T¸ûOy‰A^ÍRT[í´E›Tc[¸_5Y3
žHQ+vKA
GUYŠûMdkn`]^ÍRT[GUYŠN[“_GUY
<BG!ƒ<7
G¸N‚R/w’RigwvrgD[G¸N‚R[Ì_GWR
:L+$DB
G¸N‚—bOdq/B€âOvrgD[pWmÊÔoj[­_LZU
¡?XGqWK
H]bpRî®Š€`Ø¼LD[¸LªƒS[ç_CMR
AA02Ž)F
HÜbOÐ¼L‡mza`]^ÍRT[wŒÒj[…_RŒ
:<CS~Y4
H øÃNÅb`pÁûA^ÍRT[ö^ó[`_CQF
ž<9DuRC
ÁÿRžƒbOdq]^ÍRT[R‚ªA[­_AJR
¡@;Yq?6
ÁŒÚTl†ûA^ÍRT[ÁŒÚTl†N[NJ_N05
§FO*hQ1
ÁD·ŒØ¼LD[ckK[“_O13
;A*!RR
Á’Rl†ûA^ÍRT[Á’Rl†N[e_I61
¡ES3s'N
Á’Rl†ûmza`/€uh‡ÎHsÃûrgD[Á’Rl†N[M‡Üº
¥EH=kIA
Á±HØ¼LD[\pÌ[{_O37
DEI+˜&M
Áe•]^ÍRT[Áe•[y_Hý
IY,D¥=7
ÁjbOdq]^ÍRT[PpeúEW[…_PVW
<@(#ƒI 
ÁLFiOa”‹]^ÍRT[ÁLFiOa”‹[{_ÁF
DC<N˜<"
ÁªöX/N\|ƒPÝûmza`]^ÍRT[wf“v¤P‘S[Ê_IXA
¥B1MkD%
ÁLL-ˆLjRidkn`]^ÍRT[tpÏA[…_tA
8?$'|)H
ÁLj—Ñojidkn`]^ÍRT[ÁLj—Ñoj[…_34R
:;56~W4
ÁLª÷RÝûrgD[ìÊf[“_ìC
:@:-WA
ÁL˜Œidkn`]^ÍRT[ÁL˜Œ[¶_H
:NK(~VA
Á¡}ÓA^ÍRT[Á¡}G[Å_4G2
¥HH!lTS
ÁˆLÝûMdkn`]^ÍRT[ÁˆLÝN[…_¶Z
:=EW€&U
ÁˆLÝûMdkn`]^ÍRT[ÁˆLÝN[Å_VGC
§HPBi?F
ÁMŠÌ N\|ž\vmza`]^ÍRT[ÁMŠÌ[p_HDC
œ<=0x7$
ÁMŠÏaidkn`]^ÍRT[ÁMŠÏa[NJ_N81
§EF!hK:
Áð]^ÍRT[g¹LL[ˆ_68R
¡I5XrN"
ÁðÝûA^rgD[ÁðÝN[NH_7B3
©HWGdOO
ÁðÝûdq]^ÍRT[ÁðÝN[â_3J0
£>QYo"Q
ÁðÝûMdkn`]^ÍRT[ÁðÝN[h_0R6
›?=3z9C
ÁðÝûMdkn`]^ÍRT[ÁðÝN[_HPT
›HI7{+A
ÁðÝûwô‰àä¨I¾]^ÍRT[N\FK[ã_PVG
¦BLQj9#
Á×]^ÍRT[Á×[HI_HNM
@2MJºR
ÁÊOŒbOdq/BhÜhÉR]^ÍRT[BhÜhÉR[®_BHB
ªJ8Yb3G
ÁÊOŒbOdq/wûj¸‰rgD[j¸¢\T[K  KY8
ŸCW-tQ4
ÁNF\‡Mdkn`]^ÍRT[ÁNF\D[{_HJO
CB1•CF
ÁN§úLj]^ÍRT[ÁN§úLj[¨_H¾
AD7(ŒH)
ÁNj rgD[MdxeG[ˆ_5Y7
¡L3-tC.
ÁNNIB` mza`]^ÍRT[ÁNNIB`[Š_ÁE
œEI=y8D
ÁNO¾RbOdqidkn`]^ÍRT[€uŠÌ/„HpÌ[ã_OFP
¥CH>k8*
ÁPP {ð]^ÍRT[ÁPP {ð[{_36S
EGM8™52
ÁRÉR ¢€NÛ]^ÍRT[ÁRÉR ¢€NÛ[ˆ_MGN
¢K7>rTN
ÁRDebOdq]^ÍRT[~Ïa[¥_I95
¢FBBqDE
ÁRDeÓdq]^ÍRT[÷Ð`O[ë_9D2
>K@L…=J
ÁRDY-f©R‰rgD/×TuEZ-ôƒ‰dq]^ÍRT[×TuEZ[Ö_HEZ
œ=BOy/P
ÁRF\‡dq]^ÍRT[u}uúLj[M‡ 0W3
¦E@&j*-
ÁRpûMdkn`]^ÍRT[ÁRpN[_HNR
9GA"}25
ÁRjM]^ÍRT[ÁRjM[Æ_48S
AN?YŠL9
ÁRjÄe p~]^ÍRT[Yy¨t[y_A67
HY6R© 
ÁR‚— mza`êÚÍRA^ÍRT[c¸N[Ê_HRJ
¤A4OlIV
ÁwL‡ÒúDÃûrgD[¾RˆLªa[ë_VMR
:HKU~V!
ÁwL‡K€cØ¼LD[„HpÌ[§_K58
;C(L<
ÁRóRidkn`]^ÍRT[ÁRóR[§_8K2
:C.G€ C
ÁRmøW TIMŠý ­j³}Ómza`]^ÍRT[­j³}G[o_GBG
FV/x7R
ÁRmLørgD[{M©N[h_CDH
›?C4zKN
ÁR€ŸN-fD-¹l]^ÍRT[N\|]ÒÖ[Ÿ_AQW
¨HGMg(,
ÁR€‰A^ÍRT[F\fN[Å_83K
¨I6Ag=X
ÁR€‰dq]^ÍRT[PevŠde[­_PIM
 >P8rRW
ÁR€‰¤ÊH]^ÍRT[`e­[{_3O8
CB,S–,0
ÁR€³}ÓeTc×TIa`]^ÍRT[ÁR€³}G[š_MDT
¦F)AjKK
ÁR€³}G-¤j±H]^ÍRT[ÁR€³}G[o_H³
žCNGv?
ÁR€Ãûdq]^ÍRT[{DIZ[¥_8G6
¤F,0oL
ÁR€Ãûdq]^ÍRT[ŸRž`L[…_„L
8>=,|0:
ÁR€Ãûrg‡OF KNOXb´ A^ÍRT[KNOXb´Y[…_F75
;?8/NL
ÁRábj¾RØ¼LD[‚W²HoôgÈ[¥_ÈD
£F:+o7*
ÁRá² ¸Lªƒ‰®Š€`]^ÍRT[š—cÃN[p_Pé
œ;H@y22
ÁRá m‘ eTc×TIa`]^ÍRT[p‰¾­S[NV_pS
BB"O‘''
ÁRá ‰TRÞf mza`]^ÍRT[Bt•b´Y[Š_2M1
8E)|#)
ÁRá lcûA^ÍRT[›HóÝN[Ì_BWP
9L,E~B8
ÁRA^ÍRT[ŸÅ[p_3R4
›=>E{; 
ÁRTF\‡Mdkn`]^ÍRT[ÁRTF\D[¸_HXF
ŸI3v57
ÁRTF\D-B¤eh‡A^ÍRT[ÁRTF\D[CÜFD
¨GJ*fDX
ÁRTeÀaidkn`/÷‡ÿŒcØ¼LD[ÁRTeÀa[‚_0B4
:HB)-+
ÁRé•‰ltv(¢€NGrgò]^ÍRT[¢€NGrgD[VßSF
©I2Cf= 
ÁRT£Lj/ŠR­ûdq mza`]^ÍRT[ÁRT£Lj[`_5M0
Ÿ@6<tUY
ÁRTSrgD/õŒÃûtpÏÎeTc×TIa`]^ÍRT[tpÏA[­_tL
¡?D*r7F
ÁRTÑoj mza`]^ÍRT[ÁRTÑoj[â_HVS
£@6)n%'
ÁRãR‡ltvA^ÍRT[ÁRãRD[‚_08K
:FE#€"N
ÁR¾ rgD[SN¥Oˆž[›_S43
FMT0˜$(
ÁR¾ Mdkn`]^ÍRT[ÁR¾Y[Ì_5H4
<MM:UT
Á™gøA^ÍRT[Á™gL[“_2K9
9AOX}F!
Á™gøMdkn`]^ÍRT[Á™gL[…_15F
;?);I"
ÁS£LørgD[þIFÝN[é_M29
žA4YuX$
ÁleÛ]^ÍRT[ÁleÛ[ˆ_9D9
¡HENs2K
ÁleÛidkn`]^ÍRT[ÁleÛ[‚_Hñ
;FB1€7F
ÁrgD[NdkA[ˆ_5N7
 I#Pt#G
ÁTuidkn`]^ÍRT[ÁTu[NM_E05
?>EC‰)I
Á—¼³}ÓÉBB øuAeidkn`]^ÍRT[Á—¼³}G[Ö_HBG
=-Tw-(
Á—¼³}G/p}g mza`]^ÍRT[Á—¼³}G-p}g[Ö_PIB
=: w2+
Áã× mza`]^ÍRT[Áã×[o_9I0
F+4x4
ÁVmb´Y-dq]^ÍRT[ÁVm[Æ_HVR
BN>A‹KJ
ÁWKe‰dq]^ÍRT[w’RÑoj[é_RVN
¢B99pS$
ÁWKe‰rgD[õŒÃN[Ö_H§
>2#x+3
ÁWKeÑoj-P¬„KIbOdq]^ÍRT[ÁWKeÑoj[­_51A
¡>/q8/
ÁWj Mdkn`]^ÍRT[ÁWjY[¶_04Y
9LS ~3 
ÁW|\‚Ø¼LD[KOdTZE/ñ½ÿE[…_45R
8<2)|-9
ÁW|\‚ eìl€`]^ÍRT[ÁW|\‚[NV_H|
CD>H”CW
ÁW|\‚-FŽ|c]^šRK[Ho½Éw[NH_8B1
©I!GeT1
ÁXTdidkn`]^ÍRT[ÁXTd[_17V
=FC:„B;
Á ¢€NÛidkn`]^ÍRT[Á ¢€NÛ[‚_4V6
=HFU„H!
ÁYF\îA^ÍRT[ÁYF\K[{_F62
DF>O™(M
ÁY‰mza`]^ÍRT[ÁYS[§_HYS
;DP>.5
ÁY›R‡àä¨I¾]^ÍRT[ÁY›RD[{_HWD
DCE>˜%0
ÁZg ºEs]^ÍRT[ÁZg ºEs[`_M38
Ÿ@TXtDO
ÁZgÝûMdkn`]^ÍRT[ÁZgÝN[Ì_6H8
<L:V‚-O
ÁZgÝûMdkn`]^ÍRT[ÁZgÝN[‘_U94
CH@A&%
ÁZsidkn` Òú‡ìuØ¼LD[ÁZs[h_6M0
œ@K?yD/
ÁZjH}l]^ÍRT[ÁZjH}l[­_çE
¢=S%pDR
ÁZjÝûmza`]^ÍRT[ÁZjÝN[š_HZL
§FY*iYG
HŽDpÌidkn`]^ÍRT[HŽDpÌ[`_HDL
 =3Qs0K
HŽLD³}ÓMdkn`]^ÍRT[HŽLD³}G[{_H•
DDE(˜SU
HŽLDÝûMdkn`]^ÍRT[HŽLDÝN[“_F32
:@-0:5
HŽï €¾R]^ÍRT[HŽï[y_HRR
E]R!²X&
HŽR‚idkn`]^ÍRT[HŽR‚[…_LHB
9<R1~C2
HŽROF ’\zÎmza`]^ÍRT[ŽlŸN[­_EZM
¡>*Yq%I
HEÿR]^šRK[­ýÔO\T[Å_K30
¨I)gCY
HEÿR ¢€NÛidkn`]^ÍRT[HEÿR ¢€NÛ[h_HBZ
œA<HzM
HEÿRß`j A^ÍRT[HEÿR[¨_HCR
AF:U7J
HEBwûMdkn`]^ÍRT[HEBwN[‚_HJH
:F'%A"
HäÝR eTc×TIa`]^ÍRT[öRÕ[Ì_öR
:LU,~NW
HäÝRidkn`]^ÍRT[HäÝR[¶_1D6
8JIR|HP
HEF‚R-ŽSj A^ÍRT[›Õ‚R[“_H68
9AWV}2=
HgsÎmza`]^ÍRT[HgsA[Æ_HLN
CLB6Y
HgjRØhM]^ÍRT[¸NIFmD[Æ_L51
AMIAŠR<
HœÚ-áf]^ÍRT[HœÚ[{_HÆ
B?J!“2
HœÈoødq]^ÍRT[{×DN[…_HHF
<ASH‚6,
Hs©RÃûC´Y-dq]^ÍRT[Hs©RÃN[K  EHR
ŸCN:uG&
Hs©RÃûàä¨I¾]^ÍRT[p‰¾­S[NV_HÌ
BAX4‘&"
Hs©RÃN/OXF\‡A^ÍRT[OXF\D[Ê_HNZ
¥B3Fl=M
Hs©RÃNúLj]^ÍRT[Hs©RÃNúLj[Ê_0A7
¢A09p7Y
HsD€Œ‰dq-ÕR·ûºAÁMØ¼LD[eD×ÍªS[e_2R2
 EJNt:=
HsNeÓMdkn`]^ÍRT[HsNeG[¶_05Y
8L0,}8>
HsábOdq]^ÍRT[×Íja[¥_7W5
¢G49r""
HsábOdq]^ÍRT[š€S[é_ÈT
žB2'v5"
Hsá vwH½s]^ÍRT[u€lýTË[ú_lX
©/H$^N%
Hsá²Ol]Rù]^Ø¼L‡(F\ñLL)]^ÍRT[F\ñLL[“_Fñ
:@DY€6&
Hsá TIFùc‰A^ÍRT[TIFÝN[­_TŸ
¡=7Lq;3
HsáÚidkn`]^ÍRT[HsáÚ[“_F10
9A67~W
Hsá‰p~]^ÍRT[xpÌ²hK[‘_U53
BJD#2@
HcEF\‡Mdkn`]^ÍRT[HcEF\D[…_HRX
=@QE„1?
HceÀa mza`]^ÍRT[HceÀa[§_HRU
:DGG~N;
Hc´A’bm¯]^l€P[©{T}[…_58T
:?'X:N
Hc´A’Ø¼LD[Í—l†N[š_PTW
§F,4i?6
Hc˜NÓA^ÍRT[Hc˜NG[{_H37
DF&1–(N
Hc˜NÓmCmtIa`]^ÍRT[õŒÃNúLj[¦_HEG
¢<.FoN3
HcŸûMdkn`]^ÍRT[HcŸN[¶_06Y
9KON~'D
HcŸNûMdkn`]^ÍRT[HcŸNN[Š_63M
œDH1y;8
Hcˆlaidkn`]^ÍRT[Hcˆla[\_H€
EKOH•-?
Hc×ÌOßop’]^šRK[Hc×ÌO[Ö_H75
@MSx +
Hcm‘idkn`]^ÍRT[Hcm‘[ë_5T4
<KPT‚"8
HcwûA^ÍRT[‚WbÞÿRpÌ[WV_7G1
¤F=Yn>:
H•jR/NOBjØ¼LD[p}g[Ö_»L
=F5w(4
H•ó€ÎA^ÍRT[H•ó€A[{_L26
B@4C“0X
HÚTe’R/JB ªÌÄxmza`]^ÍRT[HÚTe’R[Ì_HEI
>LT„E4
HF l€P[F†jR[§_3§
<C8(‚.2
H—]^ÍRT[|OŸÑoj[Ê_N97
¤AONn$9
H›|ÎMdkn`]^ÍRT[H›|A[§_K87
9ERK}==
HkK\ mza`]^ÍRT[HkK\Y[Ê_HKY
£AJ:o54
Hk§]^rgD[F\¿R|[…_T67
:>UR6H
Hk§]^ÍRT[ÍÌc[…_74T
:?(Y-/
H¼ÿRA^rgD[Õ•£L[§_17Q
:D*U3&
H±zý/ªPâO¡bOdq]^ÍRT[H±zý[…_1X1
;B$3‚?
H±zýúLj eìl€`idkn`]^ÍRT[H±zýúLj[Š_H±
›E"3{FD
H±HpÌbOdq]^ÍRT[Ho½Éw[¥_C
¢E)2q>2
H±HpÌ-¸‚A^ÍRT[H±HpÌ[o_H07
DLKwD8
H±HŠmidkn`]^ÍRT[H±HŠm[ë_9D0
;J>99"
HoøAFB]^ÍRT[OG©N[¨_HIF
BG%8X5
HoøC´ Mdkn`]^ÍRT[HoøC´Y[§_HLC
<E4OOS
HoøC´Y/Äô×iOde]^ÍRT[HoøC´Y[¶_07Y
›LW3{AQ
Hoªh‡A^šRK[HoªhD[¦_01J
¢<G'oT5
HoLŸûA^ÍRT[HoLŸN[ˆ_Y95
¢K#qV0
Ho½Éwidkn`]^ÍRT[Ho½Éw[Ì_3H4
:M3@!C
Ho½Éwidkn`]^ÍRT[Ho½Éw[…_eJ
:>##P
Ho½Òjidkn`]^ÍRT[Ho½Òj[ˆ_JYM
¡GU/rA*
Ho½‘vA^ÍRT[lo¹LL[§_63K
8DO/|B@
HoO eTc×TIa`]^ÍRT[HoO[HI_´O
@1I+¹ T
HoÝûHŽ‡A^ÍRT[HoÝûHŽ‡xpÌ[â_HXD
£>+:nGQ
HIÖg]Rù]^Ø¼LD[NeÔEH[e_Hÿ
 E23tM
HeŒj A^ÍRT[HeŒjY[o_0C2
žGL-vH*
He©]^ÍRT[H}a[¥_88D
£G6.pB)
Heë`vA^ÍRT[Heë`E[Æ_6U5
AN5/‰#
HežAWüºEsACmS)]^ÍRT[ªÿRq[Ê_N61
¤AR7m=E
HeÝûMdkn`]^ÍRT[HeÝN[“_2O8
:A<8€2?
H^ƒb}vA^ÍRT[SdrgD[ˆ_C43
¡HL*rWT
Bhmza`]^ÍRT[BhT[“_HBR
;@Y6!)
Bh™ ¤ÊH]^ÍRT[BhT[e_3
ŸG?3u-P
BB rgD[CmS¹LL[\_77S
EIUQ™6
ÐŸN'‰BpŒiOde]c«w®[uEÉY­N[ˆ_2M7
¢K=Tr0;
’pÌ]^ÍRT[’pÌ[Æ_6U6
ANQCŠEE
LBw“idkn`]^ÍRT[LBw“[ç_P14
@@V9Œ&1
L©NúLjidkn`]^ÍRT[L©NúLj[“_F99
9A#'~7
Lîrg‡tØE Mdkn`]^ÍRT[FEY[`_5R4
ž<7FuH!
LpÌ`vMdkn`]^ÍRT[LpÌ`E[Ö_14M
œ?(WxOP
LpÌ‰eTc×TIa`Ø¼LD[‚Wö‚[Å_85N
¥I-0lKV
Lj Šde]^šRK[þeÝN[h_2A2
›AE!z6,
Lª‰Mdkn`]^ÍRT[LªS[“_O35
;@H1T=
LªlcØ¼LD[¸LˆNÀa[¥_2B6
¢E8-qH<
Lªlcidkn`]^ÍRT[Lªlc[{_CVH
CBSB—6C
L˜ŸûAFB]^ÍRT[`ƒOÕR·[NM_H¶
>>Q%ˆ$=
L˜W ÝP]^ÍRT[{mY[‘_0U7
CI18A8
Lï]^ÍRT[Lï[_K08
=D $„%
Lï ºO¾idkn`]^ÍRT[Lï ºO¾[h_2A6
œ@@Wy'U
LïÜoøA^ÍRT[LïÜoL[â_5J5
£?0#n5A
Lï ¢€NÛ-ŸRž`ødq]^ÍRT[Lï ¢€NÛ[Ö_M41
@N.w=.
L®‰dq]^ÍRT[ˆLjR³}G[¥_10G
£F>*oW3
ïbwS‰A^ÍRT[ïbwSS[y_H{
A\)0½L<
ï“vA^ÍRT[ï“E[_HEQ
=F@(„.4
®]Cm‰™ ¤ÊH]^ÍRT[p~b´Y[ˆ_Y91
¡J1*s(+
®Òjidkn`]^ÍRT[®Òj[‘_S66
DIBS’U/
®R]^ÍRT[®R[y_M
DYDJµ:B
®Ridkn`]^ÍRT[®R[p_5F4
›>M1{+
®RúLj]^ÍRT[®RúLj[­_E
¡=!7pL=
®lŽ‡hB]^ÍRT[®lŽD[¦_Hl
¢7;1n5
ˆÅidkn`]^ÍRT[ˆÅ[“_H92
9B8@~5,
×~RØ¼LD[âO—³}G[e_3R8
 DE:sM8
«OOiŽ·W‰A^ÍRT[ÙLŠN[‘_4D2
CK!5?<
“cidkn`]^ÍRT[“c[“_O45
<BQ7ƒ+D
aAH]^ÍRT[aAH[y_HNH
HX#L¥6>
Oš]^ÍRT[Oš[{_O21
EG ;™F"
OóR”‹]^ÍRT[OóR”‹[y_HPB
>[=8Ä&N
ó]^ÍRT[ó[y_5
EZT8³C4
óidkn`]^ÍRT[ó[h_M18
8?I*{E>
óÒj eìl€`²hîA^ÍRT[óÒj[Ÿ_1B6
©H$5e<B
PKe‰rgD[NUþA[_AIB
@D,2Š?L
PKeÑoj-u€lûdq]^ÍRT[PKeÑoj[K ÜVC
ŸBQ7u90
€Za]^ÍRT[ÙûfÝNIO[…_74R
:;/"€;T
R‚LøMdkn`]^ÍRT[R‚LL[Å_HTF
¦H4VkFV
R‚RÑojiœ\øA^ÍRT[R‚RÑoj[Š_37M
B =x&W
R£žOvB‹ mÃRA^ÍRT[R£žOvB‹[…_DZB
:<=C€3>
R£žOvÿÌ]^ÍRT[R£žOvÿÌ[h_6M2
œB+/yK2
R£žOvÿÌ]^ÍRT[¹tHcF\D[…_F78
:>@4R3
RSFg‡A^ÍRT[RSFgD[y_4Z5
H\8«(V
RÝûMdkn`]^ÍRT[RÝN[§_K91
9EFJ}>!
™e‰rgD[Yð[›_44T
FLY?˜OF
¢€NÛ]^ÍRT[¢€NÛ[Æ_S09
DMBKBN
¢€NÛbOdq]^ÍRT[|cŠÍªS[W ÜSG
AIHOŠ55
¢€NÛidkn`]^ÍRT[¢€NÛ[ë_HSR
>I4$…50
åHÝûdqiœ\øA^ÍRT[ÁÊOŒ[ˆ_CMX
ŸM($v;3
åHÝûp~ ltvA^ÍRT[åHÝûp~ÜE±HTS[ˆ_5Y2
¢J1RrM:
¬ÝûeTc×TIa`]^ÍRT[¬ÝN[®_H¬
«L%;aM>
ÞA-TcmÉN‚]^ÍRT[ÞA[p_HÞ
œ;?YxED
µÝûdq]^ÍRT[{j·N[¶_uU
œIAMy<,
µÝûdq]^ÍRT[CwŒÚT[…_DKR
9=07}6,
µÝûdq]^ÍRT[è KeNa[é_M93
žB1uU
µÝûàä¨I¾]^ÍRT[µÝN[…_T®
9;N0}SR
µÝûF\ÿÌ]^ÍRT[µÝN[…_2H5
9;;W}ST
µÝû®Š€`]^ÍRT[µÝN[Š_M48
œC1OyX5
µÝûMdkn`]^ÍRT[µÝN[Ö_M44
ž?S)w5
µÝN/Ã¨H¹l]^ÍRT[µÝN[…_AXH
9;<4}:C
¾ûMdkn`]^ÍRT[¾N[ë_9F8
<K-9MR
›R‡dq]^ÍRT[×žúLj[h_M77
8?YP{P/
›R‡Mdkn`]^ÍRT[›RD[ë_8D9
:J >
›R‡NIXaiœ\øA^ÍRT[u•feG[ˆ_50G
¢I(Rr%W
¹]^ÍRT[¹[‘_U97
CIP3 N
X¼-žc‘fbOdq]^ÍRT[X¼[§_1F5
<E3T‚8/
HUÿR]^šRîCIúCb»B LLC]^ÍRT[£GUe[…_E70
:;B'Y8
HUDÃûãLj mza`]^ÍRT[ÍåH~EPñE[Å_ÍU
¨GCBgS!
Håzýiœ\øA^ÍRT[TIMŠýúLj[â_58J
£@&&mU/
HåH•]^ÍRT[HåH•[y_Hµ
C` 3¸-S
HåOÝûMdkn`]^ÍRT[HåOÝN[§_HQG
<C'Nƒ4,
H¬ÚMdkn`]^ÍRT[H¬ÚT[W  W43
?JEL†@"
HÞÉLDMdkn`]^ÍRT[HÞÉLDT[_0K7
8HJ#|,J
HÞÉLDMdkn`]^ÍRT[HÞÉLDT[é_M53
žAN&vR<
HÞ®ørgD[Ù»Ò[ã_W75
¦CB+j8M
HÞÈmY‰dq]^ÍRT[›¾Rï[é_0M5
ŸB%uJ/
HdA^ÍRT[ÍRTpÌ[…_9R5
:9S)2X
HdrgD[pÌc[W  LÌ
AHNUŠII
HdTc]Rù]^Ø¼LD[ÙãN×H[­_ÑN
£>Bo&L
HdTeG÷RÓA^ÍRT[HdTeG÷RG[e_HNB
ŸD,VtW(
HdTeÀaidkn`]^ÍRT[HdTeÀa[¨_69V
AE3FŒU
HdTeÀaidkn`]^ÍRT[HdTeÀa[e_HHG
¡FQ)s97
HdTÑoj àä¨I¾ ÝM žhPêRØ¼LD[HdTÑoj[`_MDQ
Ÿ@Q@t?9
HdTÑoj eTc×TIa`-{RøJa•Ø¼LD[HdTÑoj[`_HÑ
Ÿ@D,tL<
HdTÑojidkn`]^ÍRT[HdTÑoj[h_H34
8B"H{K/
HdTÑojidkn`]^ÍRT[HdTÑoj[…_¨S
9<JO}A,
H}L÷RrgD[Ÿá •|c[¦_HRT
Ÿ<7JtG2
H}abOdqiœ\øA^ÍRT[Bô]XE[ˆ_BAX
£ILOpY&
H}a mza`]^ÍRT[H}a[ë_N
;J5%€+I
HµªÎA^ÍRT[HµªA[y_Hp
B_GRº3#
H¨ueÃûdq]^ÍRT[ÉR’R[…_BGD
<AH!ƒ5C
H¨ueÃûMdkn`/÷TjRØ¼LD[H¨ueÃN[¶_HCD
8JQB|4W
H¨ueÃûmza`]^ÍRT[H¨ueÃN[§_H¨
:D!XQD
H¨¦ A^ÍRT[F\mlb´Y[h_FCY
œ@V=xL<
H¨ÃûrgD[ºAFÝN[Ì_­F
:N6/4-
HYƒÍM]^ÍRT[HYƒÍM[{_H47
EFC>™:%
HY©bOdq]^ÍRT[s’LÁRD[Ê_7W6
¦A?JiW4
HYžƒ]^ÍRT[HYžƒ[Æ_6U7
@L/B‰)B
IÜ”„‰JRiœ\øA^ÍRT[»¡cÝN[Ö_4R1
=Uw:W
‘ÎºO¾idkn`]^ÍRT[‘ÎºO¾[_‘G
9H1W}8H
‘Ab´ µF‰A^ÍRT[‘Ab´Y[‘_U98
DIO-‘Q!
‘AbOdq]^ÍRT[ºf’úLj[‘_zC
DKV@’%5
‘AØ`½ mza`]^ÍRT[‘AØ`½[‘_‘A
BI<OŽ"-
±Iå±]^ÍRT[±Iå±[y_±G
CY19¹T$
o¶ÎA^ÍRT[o¶A[y_oI
CYK2¸U"
oªNOxß`j A^ÍRT[{¾êdCTIa[\_3S4
EH$+™FW
oªNOxß`j mza`-›LTc] ìÊfØ¼LD[óRU[o_VYS
žG3w')
IMŠæjvmza`]^ÍRT[IMŠæjE[¦_IMM
¢88o6 
IðcøÿAu NFümƒØ¼Lò]^ÍRT[IðcøÿAu[{_NRS
B>?X“$O
Iðcødq]^ÍRT[IðcL[{_nL
A>P!‘@J
IðcøMdkn`]^ÍRT[IðcL[‚_IML
=F<CƒC+
e©óÌs°]^ÍRT[e©óÌs°[{_2O7
CBNY”*0
e©óÌs°idkn`]^ÍRT[e©óÌs°[§_‘P
9C';}LJ
e©óÌs° ltvA^ÍRT[e©óÌs°[\_7S5
EJR ™)T
eDûCm¯ µF‰A^ÍRT[eDûCm¯[‘_S81
CJKF‘$8
eDûŠde LRR‰A^ÍRT[¨OPbm¯[y_¨O
C_Y@·H+
eD×bOdq/JIMù lE›RrgD[eD×[š_‘I
¥FCRm$#
eD×Íª‰àä¨I¾]^ÍRT[eD×ÍªS[e_qQ
 FIt-#
eD×Íª‰eTc×TIa`]^ÍRT[eD×ÍªS[e_eD
 EI t/G
eD×Íª‰®Tw]^ÍRT[eD×ÍªS[e_ÞP
 EV%t H
eD×Íª‰mza`]^ÍRT[eD×ÍªS[e_MQJ
 EPAsSR
eDNÎMdkn`]^ÍRT[eDNA[Ö_‘L
œ?;'xFJ
eDÏ†ûA^ÍRT[eDÏ†N[¦_X58
¢9 -n8:
eD Ã¨H ºEs¿«]^ÍRT[eD×ÍªS[e_HFY
 ECEt#/
erN´ av“pŸ ¢A°ÍRA^ÍRT[÷RýØpT[“_CSM
;A25* 
e­L½Ø¼LD[¢€NÛ[ã_H¢
¤CW#mP 
e­L½idkn`]^ÍRT[e­L½[§_30K
<CT7‚=S
e’RÃLøA^ÍRT[{Ïa[o_CTK
F@'x";
eGjñ© mza`]^ÍRT[eGjñ©[…_TFP
:9TM*G
eTcbOdq]^ÍRT[^¸N[š_31D
¤F2mLK
eTc×TIa`²Ž° ­R©ûA^ÍRT[ìýE´H[Ì_S28
<NYP‚ C
e¾R‚S‰A^ÍRT[e¾R‚SS[¦_eF
¡:N+p1$
eY“cûA^ÍRT[eY“cN[{_IYK
CAE=“OL
IavMdkn`]^ÍRT[IaE[›_S23
ENH<“6M
IabOdq]^ÍRT[Ia[ˆ_Y70
¡HV/s!D
IOâObOdq]^ÍRT[Žl ›S[ˆ_6D9
£J0Lq72
I†ÎC´ Mdkn`]^ÍRT[I†ÎC´Y[_I†
œGD5y>R
I†Îdq]^ÍRT[ˆ‚¤øÍeT[¸_MRJ
HS+x,*
I†ÎöL½idkn`]^ÍRT[I†ÎöL½[_Iö
›H:/{.-
^Afidkn`]^ÍRT[^Af[…_2F0
<<T4ƒS5
^abOdq]^ÍRT[Cál`Ø`½[ˆ_50D
ŸL?v.8
^aHŽ‡A^ÍRT[ÙN’R[…_T58
:?1T+O
^¸ý ™ ¤ÊH]^ÍRT[{¢c[W Üô
?HU:ˆ0@
x–gidkn`]^ÍRT[x–g[ë_3Y7
=K55ƒ8-
xÿLørgD[F\šY‚[`_4A9
 @:7sI/
xË\ I¾RÃûA^ÍRT[è ºEÕR[¶_HZX
›LC&{0A
xj³\O]^ÍRT[xj³\O[®_57B
ªJ0'bTD
´Á{ ÝðKe‰eTc×TIa`]^ÍRT[´Á{[Å_´H
§H;;j9=
J ïNûHgÖ £úcbOdq]^ÍRT[© ÄEs[h_©Q
8@ O|5X
õhS-ÝWýs‡A^ÍRT[›XÁW[Ê_N52
£@QPnJS
õŒ]”UgøA^ÍRT[lih¼S[‘_S72
DM1?’@B
õŒ”hl†]^ÍRT[ˆDpÌ[ˆ_IKW
¢IEMr-G
õŒ”w“‰mza`]^ÍRT[ÿAÞaT/ÍRh|}[…_BPT
8;W!|-
õŒiC ×Ÿ¤Ø¼LD[CmâsC´Y[{_°C
EGLOš,*
õŒ N\|wPØ¼LD/ÁW|\‚idkn`]^ÍRT[ÁW|\‚[{_HHR
B?U4”2$
õŒÍT/ÁY©ûrgD[õŒÍT[NV_06U
CGX?E;
õŒ³\Oidkn`]^ÍRT[õŒ³\O[…_21F
:?+F€&M
õŒÃûdq]^ÍRT[­e•Éw[é_1A7
 B5OsD;
õŒÃûdq]^ÍRT[SYLã[Ê_24A
¢A1 q*A
õŒÃûdq]^ÍRT[Ë×[…_26R
9;"~@U
õŒÃûdq]^ÍRT[¤¾ý¿«[WV_I18
£DUMoO(
õŒÃûdq]^ÍRT[JEÐcÃN[­_J{
¡@(@q?H
õŒÃûdq/mYND‰rgD[õŒÃN[ˆ_JXN
¢H-Dr9J
õŒÃûj]^ÍRT[õŒÃN[W êAC
BIB8ŒJ.
õŒÃûMdkn`]^ÍRT[õŒÃN[`_4R3
ž=:,uSK
õŒÃûMdkn`]^ÍRT[õŒÃN[¶_MJQ
8IE!|Y*
õŒÃûmza`]^ÍRT[õŒÃN[é_MKL
žABvTV
õŒÃN-®D­R ¸j Ôc‰eTc×TIa`]^ÍRT[õŒÃN[Ö_õN
>0Fx"?
õŒÃNúLj àä¨I¾]C¤±]^ÍRT[õŒÃNúLj[¦_CRG
¢<2)o<R
õŒÃNúLj eTc×TIa`]^ÍRT[õŒÃNúLj[¦_õX
¢<;EoG.
õŒÃNúLjidkn`]^ÍRT[õŒÃNúLj[o_IJX
EL;x,0
õŒÃNúLj ×‰(Ý¹R‰rgò]^ÍRT[õŒÃNúLj[¦_Nn
¢<,oF@
õCÄgevu¤ûmza`]^ÍRT[šLM ¢€NÛ[{_TRM
B?CB’'A
õCÞBÎA^ÍRT[õCÞBA[{_L78
B>BW’'V
õÐm A^rg‡ñL¾R ¤ÊH]^ÍRT[õÐmY[NH_AFN
©HN0f)
õ~]R‚Riœ\øA^ÍRT[jH±HÝN[š_22N
§FN@iKG
õ~‰Bh]^ÍRT[è{R|Y[y_y0
G[+&¬S:
õKOF”‹]^ÍRT[õKOF”‹[y_4Z9
DY9&µ=3
õ®‰ÎR©‰A^ÍRT[õŒÃN[¥_Jw
¢DXSp@F
õ®‰þœsT‰Mdkn`]^ÍRT[B‹b´Y[ˆ_3CM
¢I>OqSJ
õ®‰Óí´eÓ®Š€`Ø¼LD[ŸPjÝN[_®Y
9H(H}MC
õ®‰Hba‚Lørg‡t e©óÌs°idkn`]^ÍRT[e©óÌs°[_IIB
œH97yVR
õ®‰H ŽÃMØ¼LD[‚WÝN[Ö_M23
>0Iw&&
õ®‰MbOX ÒYÝûeTc×TIa`]^ÍRT[ÒYÝN[¥_ÒY
¡ET&r+(
õ®‰TUŒc]^ÍRT[ªÌs[é_M15
žAAGuRB
õ®l†ûMdkn`]^ÍRT[õ®l†N[é_2A1
¡B2YrVN
õ®l†ûmza`]^ÍRT[õ®l†N[Ì_JÖ
;LUM€FG
õ×]^ÍRT[Ë’RÝN[¸_58C
žHR3w">
õ¢cbOdq]^ÍRT[mý£pc[e_RZL
ŸFVRu(X
õ¢cbOdq/ÿLørgD[õ¢c[…_õS
8<S&| $
JB ¹lidkn`]^ÍRA^ÍRT[lhb´Y[h_55M
œ?UAyQF
JŽûA^ÍRT[JŽN[NV_0L7
BAL$‘1M
JEÐcÃûC´ ®Š€`]^ÍRT[JEÐcÃûC´Y[Š_JEF
œDA:z'4
JEÐcÃûdq eTc×TIa`]^ÍRT[ÍRÝWýsD[›_0S9
FN!,˜ND
JEÐcÃûMdkn`]^ÍRT[JEÐcÃN[_EFW
8HA|2=
J¯YLøxpÌ]^ÍRT[J¯YLøxpÌ[­_09J
¢=":o7F
JsÎA^ÍRT[JsA[p_1R1
›=F&z'9
JsKe‰A^ÍRT[WYOˆNG[©_15N
¦E% iA"
JsKeÃûA^ÍRT[®ôE[§_M64
<C3P‚:/
JsNeÛ]^ÍRT[JsNeÛ[p_3R7
›<,@zF7
JcœH ©Ïa]^ÍRT[ÒUÈe xpÌ[`_4R9
ž<-Dv%E
JcO®bOdq]^ÍRT[JcO®[‘_Jc
CHIB96
Jcá SÞ‚R‰SR]}\ÎMdkn`]^ÍRT[A}\A[Š_2H2
›BWJ{GI
Jcá qjRiœ\øA^ÍRT[No•[ˆ_3TR
 GP't+=
Jc£ ž\vA^ÍRT[Jc£ ž\E[š_P96
¦G*5k+?
J•£ß¼RTgiœ\øA^ÍRT[ÉaúLj[Š_¾R
›DVNzFX
J•UP-›Y‚bOdq]^ÍRT[J•UP[­_J•
¢=?,oRW
JÚŠmidkn`]^ÍRT[JÚŠm[§_K79
;CY"SF
JE¹—i•ÎA^ÍRT[AšuvCm¯[NM_13Q
@@.ŠFM
Jkhop]šuv×TIa]^ÍRT[ìL°[NM_24N
?BOIˆS!
JIMÜƒoÝûøB †s‰A^ÍRT[»¡[â_CUB
£?X,nYI
JIMÜOGÓdq]^ÍRT[HEBBwNúLj[…_HBV
;92X€J+
JIM ~LïØ¼LD[jXeÀa[‚_LXN
<FM8L?
JIMùbhTc mza`]^ÍRT[ƒckµ[­_ACJ
¡>$Er)2
JOvFOS‰rgD[ñOUXØ`½[ë_Fë
9I@U~J=
JOvãåHû¢¤YeÓA^ÍRT[KmSS[…_29F
<@5@ƒKB
JOv¸Lªƒ‰NF]^ÍRT[®€DN[Ö_NJW
ž>MVvP"
J¥ûÿLø¸Lªƒ‰A^ÍRT[¤YŠÌ[Ö_JVW
>0.x6D
J¥ûC TdvA^ÍRT[×žúLj[é_JWN
ŸB(YtS)
J¥ûË¸ûJa• SRØ¼LD/®—cidkn`]^ÍRT[®—c[­_MHP
¢>48p"S
J¥ûF ~N‚D eTc×TIa`]^ÍRT[‚W Y\K[Å_JFK
¨FD6gLI
J¥ûF ~N‚D ®Š€`]^ÍRT[„HpÌ[¸_„X
L>UxU&
J¥ûGjNû»¡µ eTc×TIa`]^ÍRT[»¡µ[¥_CMH
¢EYOpS>
J¥ûH”OYpûltv(xpÌ²aò]^ÍRT[xpÌ²aD[V 5B1
©JM6eOA
J¥ûHÜO“‰JRiœ\øA^ÍRT[¤YúLj[p_M79
œ>;&yL.
J¥ûM}|ÎJ¥ýÝWN/{¡€Îdq]^ÍRT[J¥ýÝWN[š_Jl
¥F0VlP#
J¥û›Y‚/\f’bOdq]^ÍRT[ÙÏÎfA[{_S×
B?F>“R$
J¥ýab´ A^ÍRT[J¥ýab´Y[é_0A4
¢B3Op0>
J¥ýabOdq]^ÍRT[Šdeb´Y[é_6A4
£B7"oO<
J¥ýabOdq]^ÍRT[÷Ð`O[W ”YG
@J4RˆI1
J¥ýabOdq àä¨I¾]^ÍRT[tHE[§_OJC
8DPQ|J-
J¥ýabm¯]^ÍRT[Yg˜W²eE[‘_3U2
DJTH‘;&
J¥ýa‰pÌeÓA^ÍRT[ÿh p~[y_Z52
AV *¾-X
J¥ýÝûmza`]^ÍRT[Sˆ|rgD[Ê_JNX
¥A>9l57
JOeB„vfDmW‰A^ÍRT[{ð ¢€NÛ[M‡]DW
¦DNEjR!
J¼mza`]^ÍRT[J¼T[o_JOT
ŸG="v(=
Ja•Ø¼LD[ÉNÁM[…_F00
9?BM~(L
Ja•iœ\øA^ÍRT[B€l†[“_3F7
9AN7~7.
Ja•Éw]^ÍRT[Ja•Éw[p_F88
›>*%zIY
Ja•Éwidkn`]^ÍRT[Ja•Éw[h_JBR
AOTxDM
Ja•úLj]^ÍRT[Ja•úLj[p_L32
œ=C+yP!
JOPªûmza`]^ÍRT[JOPªN[Š_JLN
8C')|;V
J\ÒûA^ÍRT[J\ÒN[Æ_JDN
@M1JˆW(
JO£]ÍÏv© p ÝRm]^ÍRT[°IBA[PR_RVR
©0,H_DB
JO£È]ÜhD N‚L½úLj]^ÍRT[N‚L½úLj[š_VVS
¤EW?mE9
JO£È ltvA^ÍRT[JO£È[\_JSY
DK3@“-,
JO£È  mSNkîA^ÍRT[gjNúLj[Å_N89
§GIJh4C
JOSªûrgD/ŸzCß`j mza`]^ÍRT[T¸ûöL½[‘_TWF
CH:U;.
JUD’ j¸‰rgD/Šd‹Ridkn`]^ÍRT[Šd‹R[_1Y3
8FH5|++
J¬•÷RÓMdkn`]^ÍRT[J¬•÷RG[_7V8
=FX+„0U
J¬û{RwLøA^ÍRT[õŒÃN[K êKL
¢CADq1 
JdCTIa]^ÍRT[JdCTIa[¨_U13
AD-Ž+>
JdŽU eTc×TIa`]^ÍRT[JdŽU[y_JNU
HX3/¤@H
æ·æidkn`]^ÍRT[æ·æ[ë_5V8
=IPƒ;P
ææidkn`]^ÍRT[ææ[Š_0H7
œF70yH6
æH¬UI]^ÍRT[æH¬UI[HI_OGG
@2SUº7P
æ~]^ÍRT[æ~[y_AFE
HVWG£TC
æ~ £APp‚”„E[æ~[y_æE
HVX5£VJ
æpgOÎ(J¥ûwD’R‰rgò]^ÍRT[æÍjI[HI_JRF
@308¼",
æpæ~Cm¯]^ ltIa[æpæ~Cm¯[y_1KC
B^7:ºPB
æpŸZOO/BtTjbm¯ eTc×TIa`]^ÍRT[æpŸZOO[ˆ_çO
¡H,"s?$
æpUšš]^ÍRT[æpUšš[HI_»P
@3*FºX7
æª¢gøC´ A^ÍRT[æª¢gL[Æ_S27
DN(I0+
æLæ™ÎC´ A^ÍRT[æLæ™A[ˆ_Y89
¡JI=s**
æ½æÓA^ÍRT[æ½æG[y_KLG
A[>'¾2J
æLÓA^ÍRT[æLG[y_æL
A^1&¼J;
æˆAHidkn`]^ÍRT[æˆAH[‘_S73
DL+)’P
æðg]^ÍRT[¹L½úLj[š_2N5
¦F XjXD
æ×Bidkn`]^ÍRT[æ×B[¨_KNB
ACDŽ=S
æ‚¥vB‹i{‰(Ÿ€a v{Rørgò]^ÍRT[æ‚¥E[HI_NGF
@39 »L#
æNæ~vA^ÍRT[æNæ~E[o_3KK
ŸG$uU
æý„b´ ·WÏ†N/íEgcØ¼LD[æý„b´Y[Š_MKC
8E%5|A@
æý„b´ eTc×TIa`]^ÍRT[æý„b´Y[Š_èI
8E/Q|HP
æý„b´Y/jE'‰SÞˆmza`]^ÍRT[jE'‰SÞˆT[Š_LXT
8DW?|41
æÏxH×]^ÍRT[æÏxH×[y_5Z5
D]>:´YH
æeØ¼LD[ÙÌcÑoj[­_“Z
¢>WYpP-
æš»ÎA^ÍRT[pÁeA[HI_JHM
@2WMºF5
æR½‡Mdkn`]^ÍRT[æR½D[¶_23D
9N@E~>;
æR»îA^ÍRT[æR»K[y_KYK
CW?X¸9,
æñG»îA^ÍRT[æñG»K[y_Z09
@ZR6À=:
æñ˜F]^ÍRT[æñ˜F[y_5§
DZ3 µ-L
æŸ]^šRK[Ë­RÝWN[Ÿ_1B2
©G3<d=:
æúîl€P[æúî€¾R[y_RK1
FcFB°T
æ›IÁšI]^rgD[ŠK¬E[HI_HDH
@3@L¼)P
æYs]^ÍRT[æYs[ç_0V7
@BHYŒ+H
~h‚ mza`]^ÍRT[~h‚Y[‚_ŽR
;FIC6
~hÅ]^ÍRT[~hÅ[ç_E67
@? PŒT?
~hÅbOdq]^ÍRT[pKe[§_36K
<CX(ƒ-2
~Œ‰A^ÍRT[J¬N[Ê_N88
¤AUAmCE
~vrgD[PeÔoj[WV_I16
£CB o??
~•jR]FB]^ÍRT[BoOXI[Ö_BIX
<6DvU:
~’LŸûAF]UXØ¼LD[uc“EE[“_ŒA
:BJ&€%7
~LjR”w|c‰A^ÍRT[jBfa[š_08N
¦F/<j1I
~LjY‰xpÌ pÌØ¼LD[~LjY‰xpÌ[¥_89D
£GB)pG$
~LïØ¼LD[ÙûfÝNIO[…_™F
:;5!€@R
~Lï-ìŸ‰A^ÍRT[Oy ºO¾[p_9M6
œ>PRy6-
~M®mRidkn`]^ÍRT[~M®mR[W  œM
AGO9Œ?7
~ûJcýTËA^rgD[« €¾R[\_4S2
EKF4—> 
~×Iidkn`]^ÍRT[~×I[y_sA
DZ@6µ,G
~Ì`LúLjidkn`]^ÍRT[~Ì`LúLj[e_C62
¡G:4s-E
~‚D mza`]^ÍRT[~‚DY[…_2R9
::O<QV
~NŸmidkn`]^ÍRT[~NŸm[Ì_7K5
=NF!„ S
~N‚|bOópÌ]^ÍRT[F\¿R|[…_4T2
:>XE;>
~N‚—iœ\øA^ÍRT[~N‚—[Š_TKX
B+?x *
~NOžÎmza`]^ÍRT[~NOžA[¸_sW
ŸHALuUD
~ÏbOdq]^ÍRT[õYÝN[…_22F
<?+K‚@'
~Ï ltvdI¾Rñq]^ÍRT[~Ï[¥_1G3
£G'#o6T
~ÏpÌidkn`]^ÍRT[~ÏpÌ[e_50I
ŸFK=u7K
~ÏŠRR]^šRK[lÔsÑoj[M‡ 3W3
¦DU#j3>
~ÏUŒ ÒM ltvšRîA^ÍRT[{L¾RC´Y[K i34
žCAv/X
~“UîMdkn`]^ÍRT[~“UK[_E“
œF9By7I
~OÙUÄÎMdkn`]^ÍRT[~OÙUÄA[_6K9
œFJ#yVV
~RûãLj A^ÍRT[~RNúLj[{_L05
CAIH”7)
~RRúLjidkn`/˜Ux âHmecØ¼LD[~RRúLj[…_cV
;;XB#&
~lmøA^šRK[ÙûfÝNIO[…_1T7
:;NH€7@
~TuIæûeTc×TIa`]^ÍRT[~TuIæN[y_Ké
HU3-¡HF
~›‚vMdkn`]^ÍRT[~›‚E[o_EZI
G*1wWP
~ rgD[®€DN[Ö_®I
ž>1XvK$
~ ¹l eTc×TIa`]^ÍRT[~ ¹l[¦_EYW
¡6?4oKB
~ ¹l ×‰(É{bHkÎrgò]^ÍRT[~ ¹l[¦_NQX
¡6@;oG*
~YlavHE±HT‰A^ÍRT[~YlavHE±HTS[¦_42J
¢;PGp Q
KGW‰SÞc‰A^šRK[GjN¿« ¢€NÛ[_GWS
@E<4‰0?
KkæÍO ·WÏ†ûA^ÍRT[¸u´ÎöL½[…_CWC
;?QD€;7
K‘¹LøA^ÍRT[{ø‚V]€[NV_1L4
BA03RW
KI¡`øMdkn`]^ÍRT[KI¡`L[ë_6A6
;IK2€XJ
KI¡`øMdkn`/wÿRvh¤JØ¼LD[KI¡`L[‚_IBM
>G)/…FE
KI¡jbOdq]^ÍRT[JdCTIa[…_JCT
;<<FKL
KeÓ¾]^ÍRT[KeÓ¾[y_KVC
@U$YÀ.
KeÓÙLŠûA^ÍRT[KeÓÙLŠN[y_yN
BXFAºDU
KeG·ûA^šRK[˜DI[{_O20
DD#=—3<
KeGržc]^ÍRT[KeGržc[“_F92
:ARBW)
KeGŸûA^ÍRT[KeGŸN[ç_±M
AA-@V/
KeGŸN/þY©b•S×Ø¼LD[KeGŸN[§_9K8
:CF&€%8
KeÛ pÌ O' p~‰A^ÍRT[pÌ O' p~S[¸_LNL
žL'-w*I
KeÛj A^rgD[ˆLjR[Š_Š9
8C+M{UO
KeÛÝûA^ÍRT[KeÛÝN[NV_N15
CE*(“"&
KeÛÝN-¬lc]^ÍRT[KeÛÝN[Å_20N
¨GY%gWR
KeÛúLj ×‰A^ÍRT[KeÛúLj[…_NQI
:9<.N<
KeÀäHØ¼LD[l¤|Šm[{_1Q1
CB'K•! 
KeSj Mdkn`]^ÍRT[KeSjY[§_33K
;CT>6)
Kela mza`êÚÍRt l`ªNÛØ¼LD[Kela[Ê_xO
¥A1SkB>
KnNUîA^ÍRT[KnNUK[y_IIK
?YUTÂG
K^BYúLj]^ÍRT[K^BYúLj[…_T12
8<DN{TT
K^îA^”„vA^ÍRT[pÊ„Tc[â_T73
£@F:nFV
K^îrgD[š¤Õ¬D[h_Pº
B!Px<?
K^§úLj mza`]^ÍRT[K^§úLj[Š_^K
›F#Bz>H
K^âHidkn`]^ÍRT[l}zS[ˆ_^S
¡GNNs82
KxñM®v­TE› A^ÍRT[\pÌO[¦_xM
¢:/5o8+
K´bhÃûdq]^ÍRT[÷RªNÀa[_´R
=E,?„/%
KIãª×]^ÍRT[KIãª×[y_KVL
>aJ(Â?O
KIZcØ¼LD[PmâO—[h_4F7
›?N,{3J
Kp¿Œ]^ÍRT[Kp¿Œ[y_yW
HU@K£"@
KjÿRÓdq]^ÍRT[KeÛúLj[…_IKG
:9?!€Q
Kª‚ KoøA^ÍRT[GHsT[Å_Å1
¨H3gD+
K‚gf‡A^ÍRT[E}¯A[{_O19
EFI&™UD
KNOXbOdq]^ÍRT[Šd¾RNa[¥_4I3
£F1Jp=@
KNOXbOdq mza`]^ÍRT[wŒpÌ[®_RKD
ªJ!Cc#Y
KNOX €D’]^ÍRT[¸NIFmD[Æ_Æ3
AMCŠPS
KNOXúLj ·WÏ†ûxpÌ]^ÍRT[KNOXúLj[é_DKX
¡AWPqR7
KNOXúLjidkn`]^ÍRT[KNOXúLj[_OXV
›G/W{$O
KOÿLA^ÍRT[›LLKoL[Å_N45
¨GC9h&<
KO÷îA^ÍRT[KO÷K[y_O÷
B`TJºSP
K«îA^ÍRT[K«K[y_ôQ
DWJY¶;D
K«îMdkn`]^ÍRT[K«K[y_KDK
DWN3¶48
K“ÁN“]^ÍRT[K“ÁN“[y_9K2
CY8¸N'
K“OŠidkn`]^ÍRT[K“OŠ[e_“K
 F=Ft!A
K±f¯]^ÍRT[K±f¯[y_JZZ
BYIB»-C
Kaz­×îA^ÍRT[Kaz­×K[y_ìY
@YWHÀRP
KOa‰A^ÍRT[ÙjM[¥_8G8
¤FRXnRR
KOO™idkn`]^ÍRT[KOO™[‘_S82
DL%X‘XJ
KOâIµKO-tpbOdq]^ÍRT[KOâIµKO[Ö_OSX
?#7w>=
KOTªîA^ÍRT[KOTªK[y_2A9
?]PÁ=X
KOYUî`Fm‡ôƒ‰A^ÍRT[KOYUK[y_Kæ
@^V4¿'-
KOYUKUîA^ÍRT[KOYUKUK[y_KYU
B^R?»IP
K¤S£øµF‰A^ÍRT[èb`L[‘_24K
DJX9‘IM
Kwge’R]^ÍRT[ú‚pÌ[NJ_29N
§E=8i M
K¬Iîp~]^ÍRT[K¬Iîp~[y_LKK
CXWT¹#J
K¬Midkn`]^ÍRT[K¬M[Ì_D03
;L06€V2
K¹|»îA^ÍRT[K¹|»K[y_KWT
@ZM7¿8C
K¸zLªNÕîA^ÍRT[K¸zLªNÕK[y_GGV
?YR>Á(#
KYj-Oyj rgD[M}¤Y[K bEY
žBERv44
øMbpYÝûA^ÍRT[¿LF²OeT[Æ_F
@N#F‡@<
øO ñ®ý‡Mdkn`]^ÍRT[OâEA[¸_OEO
œK0@zG6
p”gjidkn`]^ÍRT[p”gj[¦_X14
¢8J8o7H
pbwS£ mza`]^ÍRT[pbwS£[¸_½E
IRKy-6
p ºf©/dIabOdq]^ÍRT[p ºf©[\_LGD
DK/3”4
pêdidkn`]^ÍRT[pêd[_LHX
>D!…<A
piO}vw—idkn`]^ÍRT[piO}E[Ì_4F9
;L2P€.S
p²\TvMdkn`]^ÍRT[p²\TE[e_PÍ
 G@3tJ"
p²\TvMdkn`]^ÍRT[p²\TE[…_T41
9;F'}!Q
pC ÄI²hjbOdq]^ÍRT[ŸDxa[¶_DXX
9JY)~(F
pNidkn`]^ÍRT[pN[NH_LCI
©I@5e7"
pD‡hù]^Ø¼LD[ö^Bf§/F›eW€GHT[y_FBK
F^P-±BR
pöYÚTvMdkn`]^ÍRT[pöYÚTE[é_3M7
 B=*t!;
pöYÚTvmza`/š¬ØO}‚rgD[pöYÚTE[p_LFT
›<*0yY.
pÕßx …/Rµq]LjûA^ÍRT[pÕßx[…_áW
:<;UX(
pºf’/{Lp› A^ÍRT[pºf’[­_LGC
 ??s"6
pGUhD]^ÍRT[‚W Y\K[Å_L­
¨FLDgR3
pGdÎhù]^Ø¼L‡(YÞÎPwúNÓºOdò]^ÍRT[YÞÎPwúNÓºOd‡(YÞA)[ç_LGF
A>QR5A
p‘pWb\¤½]^ÍRT[KIŸŸ[‘_U99
CI +J
pJ´„ eTc×TIa`]^ÍRT[pJ´„[…_T89
=;.D…G'
p~]Ì•idkn`]^ÍRT[p~]Ì•[ë_8D8
;I&S€>7
p~]NûA^› •T•]^ÍRT[T¤¾R£b´Y[ˆ_4M0
¡JGLsTQ
p~]N×]^ÍRT[÷ð„S[ã_7W4
¥CWWkJK
p~”hKj ltvšRîA^ÍRT[{DIZ[K  1M9
ŸBO"uT9
p~”oïbHeO“]^ÍRT[C¬¾R[\_5S5
EJ='—1,
p~bÁRj‰mza`]^ÍRT[p~bÁRjS[p_Lu
›<%@{+6
p~bHgf]^ÍRT[ugf[›_S10
EMQX•V@
p~b´ ­TE› A^ÍRT[p~b´Y[¦_LCQ
¡<(Up@C
p~b´ Mdkn`bJ Ôf‰rgD[p~b´Y[â_51J
¤?Q+mL#
p~bOdTá]^ÍRT[S¬ªãN[¸_W11
ŸI8vB1
p~bOdTá mza`]^ÍRT[þh§úLj[ã_W63
¥BAMl?A
p~bOdq]^ÍRT[p~úEW[\_LKV
DH'F–5W
p~bOdq]^ÍRT[jôúLj[_LXV
?E+(ˆ0Y
p~bOdq àä¨I¾]^ÍRT[¸L˜åHBY[¥_LNN
¤GG!o55
p~bÞÿRpÌ mza`]^ÍRT[Ã®R£T[K  S®
¡C!+rBV
p~ gŠ]^ÍRT[l²A¬[¶_21D
›JYPzQ+
p~ÜAãSUb´ A^ÍRT[p~ÜAãSUb´Y[ç_HII
A@@.3<
p~ÜO«]^ÍRT[fu\A’[y_LHD
E[)*³WU
p~ e |vHo½]^ÍRT[ukAÕ/p~ e |vHo½[o_3Œ
ŸH*7v14
p~ x–gp/{øBm¹Riœ\øA^ÍRT[p~ x–gp[ˆ_D15
¡IDFrXU
p~ pWûA^ÍRT[©pãN[¸_C59
ŸHD!vB"
p~ ˜UxvA^ÍRT[p~ ˜UxE[y_Z55
F\/<°@D
p~io½idkn`]^ÍRT[p~io½[_0Y6
›I6O{<H
p~ N\ŸûA^šRK[Š\•úLj[Ê_14A
£ABPnSX
p~²pC‘]^ÍRT[p~²pC‘[Å_LKP
¨J-RgWI
p~ vA^ÍRT[Ã¨H p~ E[{_TVL
DDSD•YI
p~ßop’]^ÍRT[p~ßop’[e_C98
ŸG'u9K
p~ßop’idkn`]^ÍRT[p~ßop’[h_M32
œ?2Ny0V
p~ ›j‰Mdkn`]^ÍRT[p~ ›jS[¦_X07
¢9SBoC/
p~ ¹×TuEvltvA^ÍRT[jA¾N¿R|[›_27W
FMO(–I*
p~rg‡A^ÍRT[°ª×[¥_CQA
¡F;!r?;
p~FwÏ]^ÍRT[‚W \jfS[p_‚W
< ?xH
p~H}liAXrg‡rgD[p~H}l[NJ_‚L
§F 'h3#
p~pÌ ªÌc eTc×TIa`]^ÍRT[p~pÌ[¦_pL
¢9Y.p&
p~pÌ/NOBjØ jv®Š€`Ø¼LD[ˆNOCÄA-¿«RUÐ[¸_hV
žKUGwIQ
p~‰OF |vN\|]^ÍRT[­Y˜RD[ˆ_4Y4
¢JTIrR=
p~ñ©idkn`]^ÍRT[p~ñ©[\_9S3
EI@Yš(O
p~úEW]^ÍRT[p~ ÒLpS[…_30F
:?%SQ
p~úEW/ºIÐ´HØ¼LD[p~úEW[ˆ_13C
¡I9&s-S
p~› A^šRK[p~›Y[…_3R9
:<39YF
p~¿«]^ÍRT[p~¿«[NJ_N12
§F"h(E
pKOidkn`]^ÍRT[pKO[Ì_5L0
;NJ€1?
pŸRbOdq]^ÍRT[¾RNa[`_M55
ž?PNv$V
pŸRidkn`]^ÍRT[pŸR[Š_L»
8C;'|0I
p®Ùidkn`]^ÍRT[p®Ù[…_»V
<>K5ƒU+
pŠNIidkn`]^ÍRT[pŠNI[_LWD
8FCW{T&
pð„„]^ÍRT[pð„„[…_LZZ
:=$4€)K
pðÃûrgD[p~ÍRT[{_1O2
DDY8˜T!
p×I]^ÍRT[p×Ib´Y[HI_LÅ
@2M&ºW#
pÊ„Tc]^ÍRT[pÊ„Tc[š_Lý
¦F%2j/F
pÊ„TcbOdq-è í^TcØ¼LD[pÊ„Tc[â_LKR
£@I4nQ/
pÊ„Tcidkn`]^ÍRT[pÊ„Tc[¸_73C
HLWxFR
pÊ„Tc mza`]^ÍRT[pÊ„Tc[…_LÊ
9>@E~I!
pÌŸRîµF‰A^ÍRT[pÌŸRK[‘_0U0
DJD>‘>
p‚]^šRK[w£NÿRG[…_T54
9;=6}LM
p‚— mza`]^ÍRT[p‚—[`_7A3
 >NIs+L
p‚Y‰A^ÍRT[Ÿ‘s[Ê_N92
£A@9o% 
pNGp©bOdq]^ÍRT[fT±O[¸_A±
žK',w$D
pNGj AFB]^ÍRT[ÁðÝN[ã_Lr
¦C"Xj3D
pý·W‚]^ÍRT[YOdÛÝWN[¥_04G
¤G%PnC(
pýeÓMdkn`]^ÍRT[ukAÕ[o_±Q
ŸG>$u=L
p¤ˆvmza`]^ÍRT[p¤ˆE[W  pR
?G0I‡F<
pm· eTc×TIa`]^ÍRT[pm·[…_LRD
;9>E9H
p€Šmidkn`]^ÍRT[p€Šm[Ì_2L1
:MT6D9
pR‚D-šW‚vdq]^ÍRT[pR‚D[§_LQR
;D*=#'
pR£ûB‹]^ÍRT[pR£ûB‹[y_2A3
CW>$·XB
p‰CRU°‰eTc×TIa`]^ÍRT[p‰CRU°S[NM_LRU
?>/4ˆU1
p‰¾­‰Mdkn`]^ÍRT[p‰¾­S[NM_LVS
>AE-‡&?
påHªûAFB]^ÍRT[©ø€O[…_DLF
<;3@‚LG
påHªûAFB]UX NR 1]^ÍRT[¢OÐ\D[…_T70
;;%$‚:2
påHªN/÷LLHŽ‡eTc×TIa`]^ÍRT[÷LLHŽ‡C´Y[ç_IFP
BA'/?@
p}g]^ÍRT[p}g[©_N06
¦D>>iAF
p}gidkn`]^ÍRT[p}g[Æ_6S8
AKH1ŠKE
p}s° ÓÁýMØ¼LD[ÿDF\D[Ÿ_ÿD
©H:*e/2
p}s‰dq]^ÍRT[p}sS[â_»X
¢@<8oVO
p}e÷RG/ŸXÝûA^ÍRT[ŸXÝN[Ê_®B
¤@M>m3W
pú×]^ÍRT[pú×[Æ_80S
AL08ŠW/
pWmÊvdq]^šRK[u•AóyE/HdTeÀa Wã[¥_HTW
¢D7'p;G
pWmÊvJ TIM®RŸûA^ÍRT[ˆL›U~E[¸_MWC
ŸI$Cv "
pWmÊvMdkn`]^ÍRT[pWmÊE[Ÿ_LWM
©HIe%7
pWmÊvmza`]^ÍRT[pWmÊE[§_LWC
8EF}*Y
pWmÊvSˆ|iœ\øA^ÍRT[ÁR€ÃNúLj[Š_Lá
8DBC|2C
pWmÊE÷RG/pWmÊvdqü¦EœfØ¼Lò]^ÍRT[pWmÊE÷RG[é_2M2
ŸA,!u-;
pWmÊÔoj-úÊs‚‰eTc×TIa`]^ÍRT[pWmÊÔoj[o_LWV
ŸDKQuB2
pWÃûhù]^Ø¼L‡(F\ÿNNeG)]^ÍRT[F\ÿNNeÓ(»¡µ)[­_½F
 >1TrY,
pWÝN-F\ñLømza`]^ÍRT[pWÝN[“_pW
;@@"€7
pZ B ¤ÊH]^ÍRT[·¾R[š_0P8
¦F:jNU
pZ ÓBh ¤ÊH]^ÍRT[©{T}[…_09T
:?.S;N
j ºO‰®Š€`]^ÍRT[CwWjY[p_3R2
›<'Hz; 
jiA^v®Š€`]^ÍRT[JŽ‚m—E[p_2R1
œ;SWyEX
jih‰Mdkn`]^ÍRT[jihS[_LRJ
9HLI~)C
j w A^ÍRT[j wY[Å_5G0
¦HXSkV%
j SUE}idkn`]^ÍRT[j SUE}[¶_12Y
›J89{TW
jÎdq mza`]^ÍRT[BBS[NM_B
=>G,…+!
jÎdq/õøA^ÍRT[õL[NM_E26
=>%R…'/
jÎdq/ZnØ¤NKªû®Š€`]^ÍRT[˜úNÀa[NM_E06
=>W,…6>
jAu]^ÍRT[°Ïc[_1V8
?CM$ˆ O
jôc‰þŽR p~]^ÍRT[þŽR p~[¶_8Y6
›K8F{X.
jô\vA^ÍRT[jô\E[‘_U00
CJF53'
jBfaidkn`]^ÍRT[jBfa[NH_jB
©IC@f0-
jBfaidkn`]^ÍRT[jBfa[é_M54
 B)7t0V
jBfa ¢€NGrgD/’\’ÜOcTcØ¼LD[¢€NGrgD[K  6I2
 CDs,=
jBfa ltvA^ÍRT[jBfa[\_S30
EJ=R˜UM
jD’Òj]^šRK[BwŒÍRT[Å_7G0
¦I(RkTV
jvA^ÍRT[f×ÍªS[M‡]NP
¦DV@j@$
jvÉ—OM]^ÍRT[ÁNO¾R[e_64I
 DCSs8B
jvCØev®Š€`]^ÍRT[æxc/p~ OZhK[Š_AIZ
›D#Lz>X
jvdq]^ÍRT[Ja•úLj[ã_0VG
¢BE-q+"
jvdq/÷—c‰rgD[BxPúLj[â_52J
£@,Fn,(
jvrgD[`ªf°[¥_2D1
¤FX*o#U
jvzL®Riœ\øA^ÍRT[­e•úLj[­_GVL
¡@.3qOO
jvúNeÓA^ÍRT[jvúNeG[{_O24
CCW:•$3
jv¸Lªƒ‰®Š€`]^ÍRT[ˆDãj[‘_0U9
DJ9G’K;
jË‰Mdkn`]^ÍRT[jËS[Ì_D31
;N/$6&
j•÷RÓàä¨I¾]^ÍRT[j•÷RG[ã_JYO
¥E"Gk?9
j•÷RÓeTc×TIa`]^ÍRT[j•÷RG[¦_jE
¢:O4oN<
j•úLj]^ÍRT[j•úLj[p_L39
›=(#{2?
jF¬EvA^ÍRT[¸NIFmD[Æ_LC0
AMS%‹4
jH±Hß`j eTc×TIa`]^ÍRT[`jÏ†N[š_–E
§FE'i87
j´urgD-º‹Ãûdq]^ÍRT[j´urgD[K i20
 C5Yt-G
jMHIbOdq]^ÍRT[ÙLŠN[‘_S¶
CK%6RS
jMŠûMdkn`]^ÍRT[jMŠN[ë_jM
=KU$„$2
jŠ\v×‰(mÔ•Ø¼Lò]^ÍRT[jŠ\E[{_NLC
CB1Y•W&
j×¹vdq]^ÍRT[ô€f[ˆ_ôG
¢GR!r"D
jNÁRDA^šRK[HUBBhD[\_7S9
EK(O˜JB
j¾LpÌidkn`]^ÍRT[j¾LpÌ[…_LLN
=??'„43
j¸‰dq mza`]^ÍRT[ŠÏkg˜[Š_6M6
œF%KyFH
j¸‰dI¾Rñq]^ÍRT[ukAÕ/w®OúLj[o_˜T
ŸGB;v#M
j¸la/‚Z²c°bOdq]^ÍRT[j¸la[‘_LWS
DL4:“U
j¸l†ûMdkn`]^ÍRT[j¸l†N[Æ_LWT
BM W‹:
jXeÀa]^ÍRT[jXeÀa[\_9S9
EK9-•G7
jXeÀabOdq]^ÍRT[óªa[â_6J0
£?MGo,K
ªBB A^ÍRT[ªBBY[Æ_S59
DN/ ‘;7
ªÿ¤øˆD-ƒckÎmza`]^ÍRT[ªÿ¤L[§_LBL
<C D‚WB
ªÿRqbOdq]^ÍRT[u•Tc[Æ_Lq
CN<EŒY9
ªÿRqidkn`]^ÍRT[ªÿRq[…_T78
8<"F|GU
ªŒeÓdq mza`]^ÍRT[‚›RK[¥_V
£F;p9I
ªÒêdCTIa]^ÍRT[ÕLDrgD[NV_0L4
CC;=“)0
ªD’R¿«idkn`]^ÍRT[ªD’R¿«[Ì_4N4
:L#5'X
ªHUvA^ÍRT[ªHUE[HI_ªH
@3X@½22
ªŸ]Ljûdq]^ÍRT[ªŸ[¥_A¥
¢FH9rC
ª®ßop’]^ÍRT[ª®ßop’[y_2y
C[3?¹87
ªˆNÀa-ÁRŠûA^ÍRT[ªˆNÀa[®_63B
©IKMdF3
ªŠûMdkn`]^ÍRT[ªŠN[_ªC
>E.;…EW
ªÊûA^ÍRT[ªÊN[‚_LNK
:FQ!~K?
ªÊûA^ÍRT[ªÊN[Æ_S69
CLW/ŽE
ªÊûdq]^ÍRT[š×{[NV_1L1
BCM-7*
ªÊûdq mza`]^ÍRT[ªÊÏa[Ê_nJ
£A:Yo'G
ªÊûMdkn`]^ÍRT[ªÊN[Š_0R2
›D6&{1V
ªÊûMdkn`]^ÍRT[ªÊN[§_K71
:E!;€(
ªÊûšRîA^ÍRT[ªÊûšRK[NJ_N07
§FVQh0R
ªÊûmza`]^ÍRT[ªÊN[®_LRG
ªK3Ib>"
ªÊûmza`/æRøÁR©RØ¼LD[ªÊN[{_LHM
DDT?—3#
ªÌ]^ÍRT[ªÌ[›_0S0
ELXC”A,
ªÌs]^ÍRT[ªÌs[NJ_LDJ
§FC!h,G
ªÌ€|]^šRK[ªÌ€|[NM_E32
?B/;‰!4
ªÌÙ Mdkn`]^ÍRT[ªÌÙY[“_1K2
:@PXA%
ªNûdq]^ÍRT[Pj„fÝN[§_1§
8D(6|G7
ªÏaidkn`]^ÍRT[ªÏa[Ì_7L2
<L+,‚,J
ª³aidkn`]^ÍRT[ª³a[Ì_6L3
:L8OIH
ªTurg‡Mdkn`]^ÍRT[ªTurgD[o_3LF
E'KwF;
ªTurg‡Mdkn`]^ÍRT[ªTurgD[¶_LJF
8K#P|<8
ª—jØ`½/ŠR€Ãûdq-ªÌÿRGHØ¼LD[ª—jØ`½[¶_LXL
8KVW|2O
ª—j ÕO£ ˜Œ]Ì ÒM]^ÍRT[lh÷Œ[›_16W
ELA ”+
ª—j €¾R]^ÍRT[ª—j €¾R[{_LLR
DE-I™K,
ª—j wŒ]FB]^ÍRT[õŒÃNúLj[h_LRF
œ@U!z&H
ª—jrg‡Y˜R”wWûMdkn`]^ÍRT[ª—jrgD[…_ªU
=?U8„5*
ª—jF\îMdkn`/ÁNO¾R]^ÍRT[ª—jF\K[¶_13Y
›N6<{@L
ª¾ OybOdq]^ÍRT[’\’ ¹l[…_8T6
::3L€$Y
ª¾NÕ«bƒP]^ÍRT[ª¾NÕ«[y_4y
E_: ²E+
ª¾RŠmidkn`]^ÍRT[ª¾RŠm[{_LVK
DCGB—O+
ªúNÛÝûdq/¢s°RêÜhD A^ÍRT[¹LL[ˆ_OZW
¢HCLqXV
ªúNÛÝûMdkn`]^ÍRT[ªúNÛÝN[…_00R
8<G'}#
ªúNÛÝûMdkn`]^ÍRT[ªúNÛÝN[é_8A3
 B6Os0D
LpNOidkn`]^ÍRT[LpNO[…_AQO
;<M!€EB
L˜Y‡lŽRŸûrgD[ÿÏa[§_1K1
:CL:$N
˜ŒÁRMdkn`]^ÍRT[˜ŒÁRT[…_50R
:;QF3
˜DI]^šRK[˜DI[{_L53
DD#!—0Y
˜DI]^ÍRT[˜DI[{_1O3
DD*'—.'
˜­ûdq]^ÍRT[˜­N[WV_6L4
£CQ2oTW
˜­ûdq]^ÍRT[ªÊN[o_AAA
žF'=w2$
˜­ûrgD[ÙÖa[`_1A4
Ÿ=$+t!K
˜­N-{uvA^ÍRT[˜­N[¨_LGU
BGM<Q$
˜­ýÍRT/{S‰dq]^ÍRT[˜­ýÍRT[e_GGP
 FHGt44
˜ðOC]^ÍRT[˜ðOC[{_LPC
C@EV–:!
˜Ìa/RBe/Ÿ’vA^ÍRT[˜Ìa[K  ˜Z
¡C#+r"E
˜‚ÜkK\ A^ÍRT[YôKeúLj[Ê_80C
£B!DnG6
˜‚²eE/©tHß`j A^ÍRT[˜‚²eE[{_O26
CBA1” X
˜‚Ã®²evA^ÍRT[¸£[ã_LNP
¢BY-p=M
˜NÓÿAuüÒåHcqØ¼Lò]^ÍRT[˜NÓÿAu[{_LGB
B?O#”'%
˜NÓxpÌiAC]R|}]^ÍRT[‚W Y\K[Å_xP
¨FMLg$ 
˜NGúLjidkn`]^ÍRT[˜NGúLj[¶_XVG
›LY6|*+
˜NN¼²OØ¼LD/¹A¾RúLj]^ÍRT[¹A¾RúLj[{_O54
DFJP˜U3
˜óZ xpÌ]^ÍRT[˜óZ[›_S31
FN; ˜V.
˜¤ebOdq mza`]^ÍRT[˜¤e/gY€A[¥_LPR
£G2Ep(F
˜R‡¦t µF‰A^ÍRT[I¶AÁ[\_\9
DKEY’C$
˜RD³}ÓMdkn`]^ÍRT[˜RD³}G[NM_½B
?>2ŠG=
˜‰`ƒ´O‰hù]^Ø¼LD[˜‰`ƒ´OS[{_Sª
B?M6”!#
˜‰`ƒO‰A^ÍRT[˜‰`ƒOS[NM_pM
?ARMˆ.%
˜‰f’j‰eTc×TIa`]^ÍRT[˜‰f’jS[{_pX
B?V?”6;
˜‰BfO‰Mdkn`]^ÍRT[˜‰BfOS[{_½N
CC!P–R)
˜l €¾R]^ÍRT[ŸZƒA[›_W12
FNDY–<%
˜Ux]RÖTwNÓ‚W \jf‰eTc×TIa`]^ÍRT[‚W \jfS[p_ÖY
œ;YBx-?
˜UxÎdq/FmœfØ¼LD[˜UxA[ã_LKU
¥DAkX*
˜Ux× mza`]^ÍRT[ÕNZ`•[p_mG
œ<(/xV7
˜UxúLjiUÁMŸ‡`I eTc×TIa`]^ÍRT[˜UxúLj[K  ëF
 D(9sJ)
˜UxúLjidkn`]^ÍRT[˜UxúLj[­_2J3
¢>Y'p5#
˜UxúLj/¸ýÝûdq]^ÍRT[˜UxúLj[Ö_LÖ
?&Lw!K
˜UPb´ Mdkn`]^ÍRT[˜UPb´Y[‚_0F4
;G/)€Y6
˜¾LørgD[utNOO­[é_uA
 A %s*+
˜WdTá mza`]^ÍRT[›LTcÉw[â_RBW
£>U.nD8
˜¹LøA^ÍRT[˜¹LL[e_C97
ŸG+Ou<:
˜¹LøC´ A^ÍRT[˜¹LL[ˆ_24C
¡HW/s2J
˜¹R ºf´vltvA^ÍRT[LöX[›_00W
ELF4“8<
˜¹R ˜abm¯]^ÍRT[u`ªS[‘_C53
CJN=N=
˜¹RiaÞsøltvA^ÍRT[æH˜Tµ[›_W09
EL>Y”>*
L›RmûŽÝûA^ÍRT[N\¸u[Å_Ok
§H@i=9
L¸Lªƒiioª~ûA^ÍRT[E}¯A[§_13K
9CQ$~/=
»BÉŒ àä¨I¾]^šRK[»BÉŒ[…_F82
<?; ƒNM
»BÉŒ²mla Sˆ| eTc×TIa`]^ÍRT[»BÉŒ[…_LBB
<?EOƒO,
»ÿCidkn`]^ÍRT[»ÿC[®_65B
«JP*aC
»{‰A^ÍRT[»{S[§_38K
;E!I€==
»°bOdq]^ÍRT[‚WÿRá[ˆ_cY
¡L0Fs98
»xidOZihe eTc×TIa`]^ÍRT[ÙûJUf[PR_SJU
©084`&
»~]FB]^ÍRT[GjÌ`E[ç_»F
A?>$Ž5
»¡cÝûmza`]^ÍRT[»¡cÝN[Ê_LBT
¤@BAm!@
»ðKebOdq-¸ðY‰A^ÍRT[ÒH˜‚­[­_9A0
¡@@Yr*
»‚N÷RÓdq]^ÍRT[~NB€D’[ã_W31
¥BWCl)$
»¤ {¾Rý]^ÍRT[»¤Y[ã_»A
¥DFl<!
»™idkn`]^ÍRT[»™[W  ½K
>HK,†6.
ïÊH÷RÓmza`/Pmla GjNûrgD[ïÊH÷RG[ã_ïH
¤C1=m*"
ïÌsidkn`/õýsØ¼LD[ïÌs[›_38W
FNW3˜9;
ïaS-€°bOdqidkn`]^ÍRT[ïaS[§_ïO
:D27€+I
M ºAÁMbpRî·WÏ†ûA^ÍRT[B¤ýa[Š_PLK
›BC?{+J
ŸCbmýÁWiœ\øA^ÍRT[ºEsúLj[`_PRN
Ÿ=PJtBE
ŸCDoøAFB]^ÍRT[ðA[¦_èF
¡9PXp=.
ŸCDoøAFB]UXØ¼LD[AVa²hK[¦_Aº
¢9DRo2<
Ÿu‰ãLj A^ÍRT[ŸuS[®_MVM
ªJH)a:I
ŸŒ`øhù]^Ø¼LD[{ðiAŒ`L[Ê_HÐ
¤A )m;Q
ŸŒ‹]^ÍRT[ŸŒ‹[‘_U62
CITBB'
ŸŒeACbOdq]^ÍRT[l ±×°[ˆ_83D
¢KS;rJ/
ŸŒeAC xpÌ]^ÍRT[ŸŒeAC xpÌ[ˆ_èD
¢KQTrD,
Ÿ¡idkn`]^ÍRT[Ÿ¡[o_MQB
F=*xE'
Ÿûdq]^ÍRT[F¤NKªN[Ê_1A5
¡A+2q7*
Ÿû·WÏ†ûA^ÍRT[ŸN[­_ŸC
¡>O0q?I
ŸûMdkn`]^ÍRT[ŸN[Ö_20M
ž?&v>(
ŸN-F†ciœ\øA^ÍRT[ŸN[Š_K89
›EIMz96
Ÿ‡€¾R]^šRK[TmŠÏb´Y[¥_I54
¢F*qOI
ŸD·Œidkn`]^ÍRT[ŸD·Œ[Ì_6D3
<MXO=C
Ÿ©¤idkn`]^ÍRT[Ÿ©¤[{_ŸE
CBY1–$K
ŸDoøMdkn`]^ÍRT[ŸDoL[“_1F4
:@&7~NI
ŸDxabOdq]^ÍRT[˜Ìa[¥_UYF
¢EUXq9I
ŸDxaidkn`]^ÍRT[ŸDxa[­_52A
¡?BJq9D
ŸDxaidkn`]^ÍRT[ŸDxa[ë_MDS
:JY#&
ŸDxa mza`]^ÍRT[ŸDxa[e_IÖ
 DKBs9S
ŸDxaúLjidkn`]^ÍRT[ŸDxaúLj[…_51R
9<TL}W%
ŸDxaúLj mza`]^ÍRT[ŸDxaúLj[K  2I0
ŸC33u5T
ŸD¤‰Mdkn`]^ÍRT[ŸD¤S[\_S33
EJF+—'1
ŸGÒj×]^ÍRT[ŸGÒj×[NM_N29
?@#F‰/O
Ÿ’vA^ÍRT[E} D'`sE[‘_S77
DMP<’-%
Ÿ’vMdkn`]^ÍRT[Ÿ’E[Ö_17M
=QLwN 
ŸzC m£RVO^]^ÍRT[ÁoEY[‘_U93
CI.P5M
ŸH˜ûS¹ÚØ¼LD[EåsE[\_Eå
EJ%:™*I
ŸHNO®ûdq]^ÍRT[ŸHNO®N[¶_3N8
9M-D}UG
Ÿ‚ Cm¯ µF‰A^ÍRT[Ÿ‚ Cm¯[‘_0U3
CJJFU/
ŸJ\ zLÿRrgD[p²OeTE[¸_4R5
LM1xK=
ŸJ\ ÙMUg”b\‚ªµØ¼LD[¢ŽRŸN[…_E42
<B+.ƒ)F
ŸJ\‰A^ÍRT[ºEsúLj[…_GVT
9?""~!U
Ÿ§]Rù]^Ø¼LD[F\ÍLK[p_ÍE
›= G{)<
Ÿp‡C´ A^ÍRT[Ÿp‡C´Y[‘_MLD
BH(*Ž/@
ŸL©ûmza`]^ÍRT[ŸL©N[Š_ŸW
BATwY?
ŸªûA^ÍRT[ŸªN[\_4S7
DH"—5M
Ÿ˜‚-ìF\A^ÍRT[Ÿ˜‚[Å_ŸL
¨JQ+h1J
ŸL]^ÍRT[ŸL[Æ_M75
AN4‰U(
ŸL¾RûMdkn`]^ÍRT[ŸL¾RN[h_M78
›@2zKG
ŸMŠ| YO£ˆTvA^ÍRT[ŸMŠ| p~S[{_MMH
CCC9”P2
Ÿ×TEvA^ÍRT[šL®—O[¦_48X
¡9D?p=*
ŸÊgaÎMdkn`]^ÍRT[ŸÊgaA[ˆ_D90
¡JU7s""
ŸÊH•Tc”Ola mza`]^ÍRT[ŸÊH•Tc[NH_MHT
©HUXe8'
ŸÊH•Tcidkn`]^ÍRT[ŸÊH•Tc[_C27
œH;8y;R
ŸÌf mza`/pWjRØ¼LD[ŸÌf[Ì_Y19
<LL#‚SF
ŸNÁ—f mza`]^ÍRT[ŸNÁ—f[§_MHK
9E&;~F0
ŸNoÎA^ÍRT[ŸNoA[¨_40U
AFY)‹FI
ŸNoÎMdkn`]^ÍRT[ŸNoA[h_MXA
ASFx'.
ŸNxTEvdq/BpŒc]^ÍRT[ŸNxTEE[ˆ_¡L
¡J.3t,O
ŸN´†xH ›Tc‰A^ÍRT[ŸN´†xH ›TcS[¸_D25
žL%+wRV
ŸN´†OCbOdq]^ÍRT[ŸN´†OC[¸_ÆW
ŸJ%JuFP
ŸNæÝ]^ÍRT[ŸNæÝ[§_TKO
:EN(€+.
ŸNæÝ mza`]^ÍRT[ŸNæÝ[¶_MKT
›J+4{U(
ŸNj ¢€NÛ]^ÍRT[ŸNj ¢€NÛ[y_Mï
E^Y/´DQ
ŸNNeÓrgD[JEÐcÃN[…_6F7
8>OC|3.
ŸN“OîA^ÍRT[ŸN“OK[y_¡A
AXUU¼T%
Ÿýrg‡A^ÍRT[ŸýrgD[›_8W3
EMN@•D+
Ÿýrg‡pHM mza`]^ÍRT[ŸýrgD[¥_MFD
£FO/p=
Ÿýrg‡Mdkn`]^ÍRT[ŸýrgD[Š_03B
›C%BzC0
Ÿýrg‡Mdkn`]^ÍRT[ŸýrgD[Ÿ_1B9
©H!e)S
ŸPj ºO¾]^ÍRT[F†jRúLj[ˆ_65G
¢HI#r!D
ŸPj p~idkn`-BoøŸ¾ÊƒP SRØ¼LD[ŸPj p~[¶_MGG
›K,({Y&
ŸÄ“ÚÎMdkn`]^ÍRT[ŸÄ“ÚA[_OQW
H! xJ3
Ÿ¤× mza`]^ÍRT[Ÿ¤×[ç_AVQ
@>6@+$
ŸRBjbfYa]^ÍRT[ŸRBjbfYa[ç_L41
ABNEDF
ŸRBjbm¯]^ÍRT[u`ªS[‘_‘8
CJL6Y%
ŸRu]RB]^ÍRT[€¾Rñ©[{_€V
B?RU“->
ŸR xpÌ àä¨I¾]^ÍRT[ŸR xpÌ[¦_MKY
¢7YHoF3
ŸRC rgD[~sE[Å_1I1
¨J+-gM/
ŸRöidkn`]^ÍRT[ŸRö[…_MRF
=<4.†!
Ÿ€f]^šRK[¹LªNÀa[…_F06
<@PH‚)I
Ÿ€f×idkn`]^ÍRT[Ÿ€f×[¦_ŸI
 <P0s(V
Ÿ€f×/jvdq-lÔvË›RD‰rgD[Ÿ€f×[h_6M7
œ@LXxNB
Ÿ€×idkn`]^ÍRT[Ÿ€×[{_Oh
CBFT—KH
Ÿ€‚b´ A^ÍRT[Ÿ€‚b´Y[ˆ_76G
£HI/pAM
Ÿ€a]^ÍRT[Ÿ€a[_C17
œHMy=T
Ÿ€abOdq]^ÍRT[÷sÎúlA[­_82A
 >.Xr<+
Ÿ€abOdq]^ÍRT[Ÿ€a[â_ŸO
¤@(Rm2#
Ÿ€abOdq]^ÍRT[ìN‚L˜N[¦_X35
¡;!Hp4B
Ÿ€abOdq mza`]^ÍRT[¦nPe[h_¦P
›B/9zA7
Ÿ€abOdq-¤NKeØ´vA^ÍRT[ÁˆLÝN[`_ÁB
ž@%uYT
Ÿ€abOdq/BwWûrgD[õ¢c[é_APT
 A!DsA%
Ÿ€aidkn` -iŒe‚ rgD[Ÿ€a[e_MZZ
 F;6sFM
Ÿ€aidkn`]^ÍRT[Ÿ€a[§_43K
:D2-~Y0
Ÿ€aidkn`]^ÍRT[Ÿ€a[¥_¶N
¢FBYq!N
Ÿ€a-C€—s©ûdqêƒ•bê¥ýa mza`]^ÍRT[Ÿ€a[K  GÒ
žC2'v$D
Ÿ€ÍÙ-YO£ˆTvA^ÍRT[Ÿ€ÍÙ[{_ðI
CC<E– 4
ŸRîfÝûA^ÍRT[ÒYÝN[é_2A0
 A;)rUR
ŸRîh‡®Š€`]^ÍRT[jOTI[§_3K7
<D99ƒ3!
ŸRîmYNDS/N\|iOBovdq]^ÍRT[CmA[`_15A
ž<T?uYM
ŸR~‡TmvMdkn`]^ÍRT[ŸR~‡TmE[h_6M8
A=Yx6
ŸR§úLjidkn`]^ÍRT[ŸR§úLj[p_MKV
›=#Gz"'
ŸRLÉwbOdqêÚÍRT/H vA¾ÏØ¼LD[ÿN‚—Ñoj[â_BBP
¤@C0mJ"
ŸRj—vÝWýHn]^ÍRT[ŸRj—E[ˆ_77G
£I0Iq#9
ŸRªûA^ÍRT[ŸRªN[…_T15
:=28~Q%
ŸRÄÚTE/ÙWYc mza`]^ÍRT[ŸRÄÚTE[ˆ_ÙW
 L2Wu5M
ŸRž`øhù]^Ø¼LD[F\€j (JdCTIab´Y)[§_F€
:E!(~KR
ŸRž`ødq]^ÍRT[pN[o_C75
žG&w5'
ŸRž`ødq]^ÍRT[ŠdDÑoj[WV_ðG
¤ERQnJ'
ŸRž`ø·ûHdTc SR]^ÍRT[ŸRž`L[y_MDM
@[QQÀ@
ŸRž`ø®Š€`idkn`]^ÍRT[ŸRž`L[Š_MHL
›E#J{*)
ŸRž`LÝWûMdkn`]^ÍRT[ŸRž`LÝWN[_ˆW
›H$LzU"
ŸRžrg‡Mdkn` - ’\’Üh˜WØ¼LD[ŸRžrgD[Ÿ_GHG
©H#QdF5
ŸRžrg‡Mdkn`]^ÍRT[ŸRžrgD[¸_Mr
žJD+x)4
ŸR|A'‰ú‚Yh‡A^ÍRT[ú‚Yh‡Á¾N[Ÿ_MVY
©G5BdBP
ŸRTebƒPÿLørgD[PóRHoL[é_1A3
¡AWr2O
ŸRTebOdq]^ÍRT[¸Lªƒla[Ê_èZ
¥AQJk(H
ŸRTeØ¼LD[Lj’²p°[›_S95
EL O”7 
ŸRTeidkn`]^ÍRT[ŸRTe[ë_9V6
=I'VƒHL
ŸRTe ltvA^ÍRT[B`TIŠm[M‡ié
¦E1>j6P
ŸRV ™¼-ªÊûdq]^ÍRT[TŽ[ë_Y14
:I90~N#
ŸápÌ]^ÍRT[eDûHŽD[M‡ 2W5
¦DAOk"3
ŸáÑojidkn`]^ÍRT[ŸáÑoj[§_ùZ
9EQ5~CQ
ŸÃûC´ Mdkn`]^ÍRT[ŸÃûC´Y[_èW
›I':{1S
ŸÃûdq]^ÍRT[ÍePj„fT[WV_3I2
£DTSp#U
ŸÃûdq]^ÍRT[»DeÀa[ˆ_LDM
 IWKt6:
ŸÃûdq]^ÍRT[ŸÃN[…_T92
;<IV) 
ŸÃûJE¹—Ø¼LD[ŸÃN[ˆ_TEW
¢H?Wr76
ŸS£× eTc×TIa`-€uhD‰rgD[ŸS£×[Å_ÖS
¨JV(hPH
ŸS£ Ac«w®[ŸS£Y[M‡iD1
¦E/XiMX
ŸS£ ¤ÊH]^šRK[‚W SùR×”Žu[¦_X50
¢:XJnU;
Ÿ|EW‰®Š€`]^ÍRT[TnÝN[_8C4
GKNy')
Ÿ—´UŒ]^ÍRT[Ÿ—´UŒ[Å_21N
¨FY+f='
Ÿ} dq mza`]^ÍRT[»¡/ŠdPj„fT[é_MRC
ŸA?.u(K
ŸµÝN/‚W ª³a dIa]^ÍRT[‚W ª³a[¸_82C
IP2x&.
Ÿ¾€ŒbOdqiœ\øeTc×TIa`]^ÍRT[ŽGj²„S[…_5T9
;:Q8‚<N
ŸX¹LøAFB]^ÍRT[ŠÏÕ®á[`_MXF
Ÿ>4Yt3W
ŸX¹LøAútIa]^ÍRT[ïaS[§_8§
:D.I€"G
Ÿ A^ÍRT[ŸY[‘_0U8
CJBCSG
Ÿ Cm¯]^ÍRT[Ÿ Cm¯[y_ùK
G[2(¬G'
ŸYrg‡A^ÍRT[ywN[¥_1D4
£FY?o7T
ŸYrg‡ºA¾‰dq]^ÍRT[ŸYrgD[K i25
žBL)vA#
ŸYÍRýüôM Òú‡øè·×L‡rgò]^ÍRT[ŸYÍRT[¦_NRB
¢<5;o7:
ŸYúLjidkn`]^ÍRT[ŸYúLj[Ì_D56
:M:C1G
¡‰eTc×TIa`]^ÍRT[Ùz×W[ˆ_¡S
¢I=Yr"M
è]jlc mza`]^ÍRT[è]jlc[“_MLC
9@RW}M
è]LjûeTc×TIa`]^ÍRT[è]LjN[…_MFE
:8(?€,1
èb`øMdkn`]^ÍRT[èb`L[‘_ùL
DJS1’$$
èb„ªûA^ÍRT[jXeÀa[“_O44
:A#>2)
èbjLpûA^rgD[ÙC¤®ÏO[{_èC
DDF"—6 
èbjLpN-š˜ŸR]^ÍRT[{R½Bô[{_CRQ
B?%H“.N
èb»™ Mdkn`]^ÍRT[èb»™Y[Ì_7G2
<M9I‚;,
èbO¡/PI~bOdq/J¥ûvj¸‰rgD[èbO¡[Ö_èB
œ=(Hx:1
èba‚LøAFB]^ÍRT[¸u´A[§_B
:CC5.!
èbO“”s ‚½a mza`]^ÍRT[èbO“[‚_èK
<F*5‚A>
èb\ˆŒbOdq]^ÍRT[èb\ˆŒ[â_S19
¢?T;p.
èbmh dq]^ÍRT[PevKNOT[K  18I
¡BGIr5;
èb}ebOdq mza`]^ÍRT[‘–g[“_4O4
8?T@|Q@
è ©Rˆ— ltvA^ÍRT[è ©Rˆ—[\_26U
DHC“ID
è gw A^rgD[KmMMªNG[_20V
?F!*ˆ4&
è sT^vJNGB]^ÍRT[ŽlO¾R[â_MÆ
£?U-nN"
è ’HEvMdkn`]^ÍRT[è ’HEE[h_7M1
œ?C+y3S
è GHEvqÃûA^ÍRT[KNOXúLj[é_qS
¡ANFqYE
è ºtH]^ÍRT[è ºtH[y_èG
C\W(¹B7
è ºEÕR àä¨I¾]^ÍRT[›[…_PWG
:=;$1
è GU^vrg‡(JOeB„vè GU^vDIX p~H}l)]^ÍRT[W€GHTl†N[NJ_W€
§FWhA9
è ~NZ¼”€D’ ltvA^ÍRT[è ~NZ¼”€D’[\_00S
EJ(T˜#&
è Kej rgD[óhÙLL[…_T30
;:O2$?
è Kej ÏøšRîA^ÍRT[èKej šRK[y_eR
E]IW²TD
è påHªûMdkn`]^ÍRT[è påHªN[ë_5P2
<KMO‚M!
èieNúLjidkn`]^ÍRT[èieNúLj[\_MMV
EK)F™&(
è²HcÃûA^ÍRT[è²HcÃN[§_ðR
:D3'G;
èßojidkn`]^ÍRT[èßoj[Ì_8M6
;ML+€)$
è{Rj rgD[BpŒFOOT[‘_U02
BI*?Ž2Y
è{R| A^ÍRT[è{R|Y[y_15Z
G[8.¬T'
èuhsØ¼LD[¹l²OeT[Ö_M83
ž?A!vF
èu\‡rg‡(JOeB„vj¸S-èu\ò]^ÍRT[Ÿ[›_TCM
FM&.˜:A
èKe‚ ÏøA^ÍRT[ÒLpS[…_TKI
9?(C~A2
èˆNûdq]^ÍRT[tHsS[é_Mˆ
¡A5Wr?H
è×áØ¼LD[ÙjM[\_Sj
EJT@™'
èúLj]^ÍRT[FmEÍRT[š_6P7
¥FJ"mAJ
®ôØïeÓ£Rú°]^ÍRT[®ô[›_70S
EMM,“3;
®ôvMdkn`]^ÍRT[®ôE[§_®J
<C.I‚35
®ô†”w“Ø¼LD[›LN¨bO¾[Ê_N63
¤B0%n&Y
®ô†bm¯ µF‰A^ÍRT[®ô†bm¯[Æ_0S1
CMPX7!
®ô† p~]^ÍRT[˜¤· ¢€NÛ[_¦Y
>DV@†@*
®ô†‰rgD[BycSrgD[{_B¦
CA8 •!:
®h‰rgD[ÊmTE[›_3W5
FN=M—K<
®ŒjN÷RG-BRdS¸Œ mza`]^ÍRT[Ã¨HÜoL[ã_AVC
¥BG0l!.
®lÎŠRÝûA^ÍRT[®lA[ˆ_27C
¡ICNs-G
®DF\‡Mdkn`]^ÍRT[®DF\D[“_O53
:BM8JV
®DkevÉW]^ÍRT[®DkevÉW[W  80V
?GS ˆ(X
®Dkev˜D’]^ÍRT[®Dkev˜D’[§_K51
;C-U€>R
®DeÎMdkn`]^ÍRT[®DeA[¥_1G5
£G%SoKT
®¯cbO¬TcØ¼LD[®¯c[_EEO
@F V‰S'
®Ð\‡rgD[T¬hE[{_TLR
CB'6•1B
®K\YUîA^ÍRT[®K\YUK[y_ùU
>Z43Ä.+
®LÉ}‚idkn`/J¥ûvˆLjRØ¼LD[®LÉ}‚[h_42A
œB".yON
®LÉ}‚ \pÌO eTc×TIa`]^ÍRT[®LÉ}‚[¦_MLB
¢:$(nDI
®Ÿ˜O£ µF‰A^ÍRT[I¶AÁ[\_25U
DK7F’GD
®Š€`Ø¼LD[¢€NÛ[h_T
›@:G{#L
®ðHxiœ\øA^ÍRT[®ðHx[Š_03D
œF8Pz+C
®ðHxidkn`]^ÍRT[®ðHx[…_F21
<@J5‚=M
®× eTcŠdeidkn`]^ÍRT[®×[h_®Z
8@>J|*'
®×R‡dq]^ÍRT[®×RD[…_T50
;<UWN?
®NOˆ‚vmza`]^ÍRT[®NOˆ‚E[ˆ_¶M
 K%BuD1
®NOŠN¼idkn`/â\vrgD[®NOŠN¼[¸_»M
œJS>yR"
®ÏavA^ÍRT[®ÏaE[e_C92
 G't!K
®R°‡YO£ˆTvmza`]^ÍRT[®R°D[{_èE
CC/#–<P
®R°D´ÎA^ÍRT[ÍÊE[PR_P£
©0>`?R
®R°RbOdq]^ÍRT[B»ErgD[WV_BLF
£C/Ko*9
®R°RbOdq]^ÍRT[`ËO[o_C00
G,UxJ,
®R°RbOdq mza`]^ÍRT[ÁZs[Ì_HZE
=M/6ƒ@R
®€©ûŸRKÁMidkn`]^ÍRT[®€©N[CiMK
¨G<=fOL
®€Dû×‰(èbAeØ¼Lò]^ÍRT[®€DN[Ö_NMM
ž>?+v?1
®€LpA^ÍRT[TäÞ£H[ˆ_34G
¢GX<qU=
®R~ørg‡SYp{åÎMdkn`]^ÍRT[SYp{åA[`_âD
Ÿ?(1t02
®Rj î(MUDj) Sˆ|]^ÍRT[R·ã[y_CDV
FZ;<¯:E
®R€LørgD[fu\A’[y_M€
E[*O³PG
®R€LøMdkn`]^ÍRT[®R€LL[¸_RRL
žK)VwHL
®R€— xpÌ]^ÍRT[®R€— xpÌ[¦_I
¢:2<nG&
®Rá®ÚeÓrgD[ÉW·eÁM[®_08B
ªJcS,
®RRúîA^ÍRT[®RRúK[y_EWU
?ZNCÂ;X
®Ù ©øm A^ÍRT[KeÓC´Y[{_Kk
CB+I—%/
®Ù ­TE› A^ÍRT[ÈOsIX[ç_I›
@?0:E2
®SÄ´vA^ÍRT[®SÄ´E[NV_67L
BBOY!3
®SÄ´v®Tw]^ÍRT[®SÄ´E[…_HQZ
9>JO~=P
®|†ß`j ltvA^ÍRT[¸ÏHwP[›_S52
FN7<–&K
®TwØ¼LD[ö^Bf§[y_ÆF
F^N6±KK
®TwÍª‰Mdkn`]^ÍRT[®TwÍªS[o_M30
žC(YvK 
®—gØ¼LD[N‚RÑoj[e_°V
¡EGSs%R
®—¼]^l€P[YyIŸ[›_Z99
ELHT–1J
®X-ª®lavdq]^ÍRT[®X[…_LXY
9=D:~<R
®XkOØhÖ]^ÍRT[CÞÿRpÌ[M‡ 1W3
¥EB4lKD
®XkOiœ\øA^ÍRT[®XkO[Š_ùJ
œE'9yO$
ˆƒIbOdq]^ÍRT[šA[§_K81
8D>8|U+
ˆƒI àä¨I¾]^ÍRT[ˆƒI[¦_T¡
¢7DQn8
ˆƒIÜO®lŽ‡’‚¤øAútIa]^ÍRT[®lŽD[¦_X51
¢7;Wn?-
ˆƒI eTc×TIa`]^ÍRT[ˆƒI[¦_ˆA
¢7MIn/6
ˆƒI mza`]^ÍRT[ˆƒI[“_ˆO
8BT?|S-
ˆƒI dI¾Rñq]^ÍRT[OXF\D[¥_OXD
¡E<&rM"
ˆƒI-Oš ˜ŒÎàä¨I¾]^ÍRT[ˆƒI[¦_OPF
¢7T9n.H
ˆuAg]Rù]^Ø¼L‡(ìG› PwúNÓºOdò]^ÍRT[ìG› PwúNÓºOdD[¨_DPG
BF)QŽV$
ˆuAgê Sˆ|Ø¼LD[ÿAUF\T[Ê_MRH
¥@J jEC
ˆu±fb´ Mdkn`-ÈoªP‰rgD[ˆu±fb´Y[e_MGC
 GH*tO.
ˆ‡tpÏk ÃheÓ°Ïc]^ÍRT[ö^rgD[š_W73
¦EK7k3#
ˆ‡ÏesA^ÍRT[ÁYTI[Š_M28
B+9wIJ
ˆ‡ãLj A^šRK[˜‰»×S[NM_E98
?@KFˆJH
ˆ‡ãLj A^ÍRT[¹Sp[…_…W
:8(IX8
ˆD-ƒckÎeìl€`]^ÍRT[Pá\[“_H71
9B+=}1N
ˆD-{wª× mza`]^ÍRT[Ùª³}Y[Ê_RUQ
£ADKn=+
ˆD-¦\‘ÎA^ÍRT[EµTx[¦_X55
¢:PBoCN
ˆD-¥IOß`j mza`]^ÍRT[šR~R³}G[WV_PKB
£E2Ho83
ˆD-ltvA^ÍRT[Èon³}G[š_P³
¥FS"l#,
ˆD-› mza`]^ÍRT[ˆD˜|N/›XAÁu¼[…_JWY
:>9<~TK
ˆDDj”„‰xpÌ]^ÍRT[ˆDDj”„‰xpÌ[¥_3T7
£GG0pN;
ˆDDj”„S-Žl²OeA^ÍRT[ˆDDj”„‰xpÌ[¥_3W9
£GGFpMN
ˆDDj ’\zÎmza`]^ÍRT[ŸN[­_èN
¡>G@qDW
ˆDDj²seS¬Îmza`]^ÍRT[¹l²OeT[ã_FYJ
¦C=/jKL
ˆDDj÷á ltvA^ÍRT[ˆDDj÷á[V 6B0
¨IY)g#J
ˆDDj³\O/ÿLødq]^ÍRT[ˆDDj³\O[K  1A6
¡BBCqJ,
ˆDDj£Xß`j A^ÍRT[ˆDDj£X[Å_4N2
¦HHPk.1
ˆDDjÝûxpÌ]^ÍRT[ˆDDjÝûxpÌ[y_M·
FY9°08
ˆDDjÝûMdkn`/Šm rgD[ˆDDjÝN[¸_C29
žI$Rw=V
ˆDDjÝWûmza`/“Ø¼LD[ˆDDjÝWN[¥_M¿
¡E=Tr5M
ˆDp~‰A^ÍRT[ÕRÁM[Å_92G
¦HNQk*)
ˆDpÌ]^šRK[ˆDpÌ[…_MDD
<> *„$#
ˆDpÌ eTc×TIa`]^]Ì ¢A°²\A^ÍRT[ˆDpÌ[…_ŸF
<=V?„*%
ˆD› A^ÍRT[tOˆCb´Y[‘_U37
BI9+ŽN8
ˆD¹l ÏøA^bsTc]^ÍRT[Š³Y[Š_GÈ
8E1W|0A
ˆÐªûdq]^ÍRT[mËÑoj[š_RVL
¦FFEkCC
ˆÐªÏ†ûA^ÍRT[ˆÐªÏ†N[š_P34
¦FAVk62
ˆGNa p^‡Mdkn`]^ÍRT[uEYs‚[“_93F
;AB*H)
ˆp{idkn`]^ÍRT[ˆp{[¶_18Y
›KL3{CV
ˆLBfîMdkn`]^ÍRT[ˆLBfK[ë_1D1
9K+P~?X
ˆj ®Š€`Ø¼LD[B±²eEY[W ”PI
AH@VŒ$>
ˆLF\‡Mdkn`/ÿûf‡JUD B€âOvrgD[ˆLF\D[¨_MLF
BD7BN
ˆLpR‡A^ÍRT[OŸÁ[‚_Mj
9G)L~$J
ˆLjûA^ÍRT[ˆLjN[­_2J5
¢>SAoWU
ˆLjR]^ÍRT[B»ÐÝN[e_C40
¡FIs-
ˆLjRØhM pÌeÓl€P[B`TIŠm[¥_7B4
£ES"pA3
ˆLjRØ¼LD[ãjÏeE[‚_Vé
<HQ6‚>V
ˆLjRiœ\øA^šRK[ãj[\_S49
DIWP“-@
ˆLjRidkn`]^ÍRT[ˆLjR[ë_Mæ
;J==€W;
ˆLjR‰pÌeÓA^ÍRT[gñE[ˆ_C57
¢I#Kr2Y
ˆLªNÀa/®ðHx]^ÍRT[ˆLªNÀa[é_NQA
A36wR,
ˆLªNOŒÚidkn`]^ÍRT[ˆLªNOŒÚ[®_MLT
ªKDRbG&
ˆL½Ø¼LD[Ã¨HÜ¨ueÃN[§_K22
:CYDUB
ˆLLúLjidkn`]^ÍRT[ˆLLúLj[NJ_ˆV
§E4"i"2
ˆLN\idkn`]^ÍRT[ˆLN\[Ì_4R6
:L-<8.
ˆLW€ŒØïeÓM]^ÍRT[ªÊN[ˆ_3L7
£JJ0q4M
ˆ×]^ÍRT[ˆ×[NV_3Q0
CD4M”#N
ˆÊHÞeÎA^ÍRT[ˆÊHÞeA[y_MHM
D]S'¶0%
ˆÌs]^ÍRT[ˆÌs[p_¶E
›>DL{/S
ˆÌs-vA^ÍRT[ˆÌs[NV_®V
DE •K"
ˆ‚Î¸£‚RØ¼LD[ˆ‚A[…_3F9
9>FB}<E
ˆ‚¤ødq]^ÍRT[SUó€\[Æ_9S4
DM($Q+
ˆ‚¤ødqiœ\øA^ÍRT[CmËE[_C24
?CO2ˆUN
ˆ‚¤ø¹L½ mza`]^ÍRT[ˆ‚¤ø¹L½[…_MWL
:>LT€!C
ˆN‚AÍª‰C´ dq]^ÍRT[ˆN‚AÍªS[§_45K
:E#FI.
ˆN‚AÍªS-l²A¬ eTc×TIa`/¿LD-uƒÿRpe]^ÍRT[ˆN‚AÍªS[¶_ÖP
›JRU{+0
ˆNOAFB]^ÍRT[ˆNOT[Ì_ˆB
=N6Wƒ3;
ˆNOeTc×TIa`]^ÍRT[ˆNOT[Ì_ŠT
=N-:ƒ.G
ˆÏO]øW€GHA^ÍRT[ˆÏO[y_51Z
E_&S³4%
ˆÏOidkn`]^ÍRT[ˆÏO[Ì_D06
:N/?5D
ˆN¨vŸûA^Ø¼LD[l†[Ÿ_6B6
©H9Ce=#
ˆ¤ŸRi{‰(JOvFOS‰rgò]^ÍRT[ÙûD¼Õ[{_NKX
B>R%“&A
ˆžA›æ²oOT‰þUB]^ÍRT[gKÁRT[e_3C1
 GE7t #
ˆSñaØ¼LD[ªúNÛÝN[Æ_LVM
BKGXŒ8S
ˆSñSñPPIbOdq]^ÍRT[uhjla[Š_uQ
žBP>w3A
ˆSÃ¬ÎŠÏfÎA^ÍRT[ˆSÃ¬A[Æ_ÖO
DLTY#8
ˆTugøMdkn`]^ÍRT[ˆTugL[ë_MHE
:IL;€ 1
ŠBoveTc×TIa`]^ÍRT[ŠBoE[`_BFM
ž<CBv"#
ŠBovmza`]^ÍRT[ŠBoE[`_ŠB
ž<G;v,@
ŠB€D’idkn`]^ÍRT[ŠB€D’[ë_¡G
<K>M‚65
Š©lOb´Y-dq-ÁRá žƒØ¼LD[Š©lO[{_ŠD
DCC?–W.
ŠDxÚA^ÍRT[RµHúLj[‚_9V5
=HJ*„8F
ŠÐÚFËc`]^rgD[Šdeß¼W[{_NUQ
DC6X˜ W
ŠÁLøMdkn`]^ÍRT[ŠÁLL[Ì_HÇ
=NL&ƒ>.
Šõ¾]^ & ¢A°²\T/R¨fØ¼LD[Šõ¾[{_MHV
BA!>”' 
Š˜æI]^ÍRT[ædyyAI[HI_MKK
@3'(»#M
Š×uv®ô†‰A^ÍRT[˜‚²eE[{_L80
CB+#”(H
ŠÌgørgD[‚W{lj[W  äS
>IS!†0R
Š‚— mza`]^ÍRT[Š‚—[Š_HFJ
8BT0|Q
ŠNŠ¨H àä¨I¾]^ÍRT[ÿLŸR/öRˆNGÒj[NJ_BLM
§F)*h%:
ŠNŠ¨Hidkn`]^ÍRT[ŠNŠ¨H[o_C66
FUMxCR
ŠNwvdq]cOPjX]^ÍRT[ŠNwÔoj[`_MVC
ž=9;u3"
ŠNwvdq]^ÍRT[¿«SrgD[¥_4G5
£ELKo$(
ŠNwvdq]^ÍRT[B˜OˆNÀa[e_BMG
 E&LtC
ŠNwvdq]^ÍRT[–c©s/ƒ\Y[Ö_M40
ž?R8v;5
ŠNwvdq]^ÍRT[ŸDxaúLj[é_¶V
¡A>Ir4O
ŠNwvMdkn`]^ÍRT[ŠNwE[¸_EFT
žHBTwA7
ŠNwvmza`]^ÍRT[ŠNwE[p_M»
›><Dz (
ŠÏAGUE-Ymæ wHmRØ¼LD[ŠÏAGUE[{_1O5
EGIN˜>F
ŠÏAUîA^ÍRT[ŠÏAUK[Å_ÆP
¨G"BeU,
ŠÏvúlÎMdkn`]^ÍRT[ŠÏvúlA[_Mú
?C=Iˆ K
ŠÏcE mza`]^ÍRT[ŠÏcEY[{_Má
CBA+—P@
ŠÏÔ‘EO-unó›bOdq]^ÍRT[ŠÏÔ‘EO[¶_M¾
9JX'}HC
ŠÏEZÞÎMdkn`]^ÍRT[ŠÏEZÞA[§_K17
<CA&‚:+
ŠÏÕ®ábOdq]^šRK[­´Hc³}G[M‡ ­I
¦E($k'X
ŠÏÕ®ábOdq]^ÍRT[lh[Ê_43A
¤A5#mM7
ŠÏÕ®á mza`üÒN‚LïØ¼Lò]^ÍRT[ŠÏÕ®á[`_MGM
Ÿ>0 t5D
ŠÏÕ®á-zBB‰àä¨I¾]^ÍRT[ÙûD¼Õ[{_ùF
B>NW“&4
ŠÏkg˜]^ÍRT[ŠÏkg˜[¨_U64
@CUW‹2:
ŠÏkg˜idkn`/gª‰rgD[ŠÏkg˜[h_LLQ
œ?D1yK"
ŠÏkg˜ mza`]^ÍRT[ŠÏkg˜[_MXO
H++y'N
ŠÏw£ mza`]^ÍRT[ŠÏw£[_ÆJ
@D<A‰SE
ŠNÞsMdkn`]^ÍRT[ŠNÞsT[\_12S
EJOT•7M
Š« AFB]^ÍRT[ãL·lA[­_ãD
¡<X%q)A
ŠaÝWûA^ÍRT[HdTÑoj[`_3M5
Ÿ@JPt9E
Š\vdq]^ÍRT[ìŸS[…_ìX
=AQ9„N
Š\vdq]^ÍRT[PeEH}l/Ã¨HcûPe•[Ê_ÃP
¤A,-m53
Š\E-M}mLøA^ÍRT[ŠR€l†N[é_ŠR
¢B(Lq4>
Š\gf‡Mdkn`]^ÍRT[Š\gfD[“_MDF
;B;#)E
Š\•ÝWûA^šRK[Š\•ÝWN[ˆ_6Y0
¡J9MrYN
Š\HŽ‡Mdkn`/¦\s° KªN’ýˆ|Ø¼LD[Š\HŽD[¶_JKJ
9LP3~EQ
ŠO£bm¯ /µFS/]^ÍRT[ŠO£bm¯ ¤N’R ltIa[‘_1U1
DL%AU0
ŠO£ p~bhLÝûdq]^ÍRT[ŠO£ p~[¶_MZH
œL7%zN/
Š¤idkn`]^ÍRT[Š¤[¶_JMR
›KS={.5
Š¤evA^²hK[ÒYÝN[¥_I73
¡EFVr,6
ŠmHŽD-w›ûdqbï©] |OŸ‰mza`]^ÍRT[ŠmHŽD[K  SYM
¢D*TqA-
Šmµv®Š€`]^ÍRT[B„TwP[p_BQP
œ>K4yRP
ŠR­ûdq]^ÍRT[ŠR­N[¨_42U
BG&UL 
ŠR­ûdq]^ÍRT[èba‚½úLj[¥_I71
£EE-oN)
ŠR­Ï†ûMdkn`/›LTc øBoøÁRrgD[ŠR­Ï†N[WV_MGW
¤EDCmU!
Š€TZiœ\øA^ÍRT[ÿ˜´[§_K61
:E:2€%H
ŠR€LÝûMdkn`]^ÍRT[ŠR€LÝN[h_BDQ
›A&(zHO
ŠR€‰Mdkn`/uhªvâHˆDrgD[ŠR€S[¶_ŠX
9K?O}WT
ŠR€‰Mdkn`/õ®‰R ›ž÷RûrgD[ŠR€S[o_C09
ŸG7;v7%
ŠR€l†ûMdkn`]^ÍRT[ŠR€l†N[NJ_MMU
§FMXh6T
ŠR€Ñoj-l†vltvA^ÍRT[ŠR€Ñoj[ViVL
©J>"fBP
ŠRwWbOdq]^ÍRT[Šdzjô[¥_4I9
¢F=:pQ
Š£‰p~idkn`]^ÍRT[Š£‰p~[›_W20
EM&=•,.
Š£‰ÍeA^ÍRT[gIM[y_ŠS
@^GSÀ!8
ŠÝûrg‡Mdkn`]^ÍRT[Tµ~’E[`_06A
 >9DsFN
Š—idkn`]^ÍRT[Š—[Ì_3P3
=L3?„1H
Š¬ÝNÉwåH]^ÍRT[Š¬ÝNÉwåH[NH_4¡
©IL!e5-
Š¬T€vMdkn`]^ÍRT[Š¬T€E[­_Mº
¡=#&qN(
ŠdD€D’idkn`]^ÍRT[ŠdD€D’[§_47K
:D*?<(
ŠdA^Y/S}ábOdq]^ÍRT[ŠdA^Y[Ê_MWK
£B9Gn?*
Šd{R®øMdkn`]^ÍRT[Šd{R®L[o_AJG
ŸDB6uIB
ŠdÁWj AUXoá]^ÍRT[ó\[o_3ù
žFMKwBN
ŠdI¾idkn`]^ÍRT[ŠdI¾[Ê_W40
¥A+/l 1
ŠdPj„fMdkn`]^ÍRT[ŠdPj„fT[ˆ_ŠP
¢IC0rJ,
ŠdPj„fMdkn`]^ÍRT[ŠdPj„fT[_ðZ
œFVNy<F
ŠdPj„fmza`]^ÍRT[ŠdPj„fT[…_OÙ
8?#O|WH
ŠdPj„fT/âO—Òj]^ÍRT[ŠdPj„fT[š_P45
¤F$:m>A
ŠdlcªNÓMdkn`]^ÍRT[ŠdlcªNG[o_I63
EY%xN-
ŠdlcªNG/ŠÏÕ®ábOdq]^ÍRT[ŠdlcªNG[K  IOB
¡D!;qXL
ŠdÝÿ]^ÍRT[›Tc÷á[C N41
¨GDg N
Šd¾RNa]^ÍRT[Šd¾RNa[o_MVN
žD16vQ=
Šd¾RNaidkn`]^ÍRT[Šd¾RNa[Š_2Š
8C"${S$
Šd›žeÀa mza`]^ÍRT[í´ErgD[NH_H¼
©J4!e>K
Šde œP^vA^ÍRT[Ÿ€a/WY|Ôoj[ã_MKJ
£BSGo3
Šde ºO¾iœ\øA^ÍRT[Šde ºO¾[Š_1Š
›C%-z0B
ŠdeÜO®]FB]^ÍRT[ŠdeÜO®[‘_MUO
CI C‘R3
ŠdeÜO®idkn`]^ÍRT[ŠdeÜO®[‘_U76
CI%T‘IP
Šdeß`j A^ÍRT[TEÁuAPI[{_L94
CA$"”75
Šdeß¼W]^ÍRT[Šdeß¼W[Š_¶F
œBY@yHR
Šdeß¼W ¸LXiœ\ørgD[Šdeß¼W[h_7M2
œAQRz#7
Šdeßop’]^ÍRT[Šdeßop’[y_ŠU
?\#GÁFX
ŠdeA^idkn`]^ÍRT[ŠdeA^[NM_M10
?@>ˆ+8
Æ²j„fmza`-öxaØ¼LD[ŠdPj„fT[â_Lw
£>SRmLX
MU‡p~/¹lêEÐcÃûdq]^ÍRT[MU‡p~[‘_1U2
BIQ#Ž<"
MUHjNÿRÓdq]^ÍRT[ºEsúLj[K i21
ŸC+@u'5
MU^]RùÜgn\(F\eDÏ†û­P)Ügn\T[F\eDÏ†û­PüfNúLj)[š_MUI
¦F8%j@%
M¬•vMdkn`]^ÍRT[M¬•E[…_2T1
=@)$„D:
M¬eO ltvA^ÍRT[ÍRTpÌ-M¬eO[\_4S9
EK+˜A7
MdÒ Mdkn`]^ÍRT[MdÒY[…_37F
;?:%A(
M}·idkn`]^ÍRT[M}·[ë_8F6
<IQ&‚HL
M}Fm•Éwidkn`]^ÍRT[M}Fm•Éw[é_¡T
 ARIt4E
M}È A^ÍRT[M}ÈY[‘_1U3
DI*W’>T
M}È ¢€NÛ]^ÍRT[|mvCm¯[‘_3U0
CH7‘2&
M}¤ rgD[E}¯A[{_¯A
EFN*š$L
Mµ{TevMdkn`]^ÍRT[Mµ{TeE[_M¨
G4"y&T
Mµkb´ àä¨I¾]^ÍRT[­LpTe[é_XNX
 B4<t6<
Mµ~Õûdq]^ÍRT[Mµ~ÕN[ˆ_MKG
 I("t,&
MµKO’E-Òú‰mza`]^ÍRT[MµKO’E[“_MKO
9AE:}3H
MµNÓÿAu]^ÍRT[ÍRhfÙS[…_¤S
:9NI#2
ùc‰rgD[{NBY[¶_CNB
9JIL~-X
ù€Œ‰A^ÍRT[ÿRKjY[Ÿ_1M8
©GP3eA
ùRTj”Žu eTc×TIa`]^ÍRT[ùRTj”Žu[â_ùR
¤?FMlUH
ùRTjbm¯idkn`]^ÍRT[ùRTjbm¯[\_16S
EHYP™0U
×G·u•] øŸNGÁMêR mza`]^ÍRT[×G·u•[…_Ou
8=@F|HB
×~s]^ÍRT[×~s[y_76Z
BXUE» P
×K‚îA^ÍRT[×K‚K[y_5NK
BXJ#»=
×ðÎMdkn`]^ÍRT[×ðA[‘_ŸN
DI@S’=5
×ÏUŒÚiœ\øA^ÍRT[×ÏUŒÚ[Ÿ_AŒ
©G-*d!D
×N›jîA^ÍRT[×N›jK[y_~B
DY3&µU=
×šbOdq]^ÍRT[×š[{_APC
DD*M˜.P
×šKîA^ÍRT[×šKK[y_W×
@ZG7¿XI
×š™îA^ÍRT[×š™K[y_Pæ
@ZH(¿LH
×Pj‰Mdkn`]^ÍRT[×PjS[¦_APF
¢8''oL>
×Íja]^ÍRT[×Íja[ˆ_3NP
¢H(.r-@
×Íjaidkn`]^ÍRT[×Íja[Ì_5B5
<L;EK=
×Pš‚vMdkn`]^ÍRT[×Pš‚E[e_C03
 G8LsV(
×RTwûrgD[mËb´Y[ˆ_RCT
¡ITs=
×žØ¼L‡eDNÎA^ÍRT[eDNA[_6Z6
›G0,{@!
×žúLj eTc×TIa`]^ÍRT[×žúLj[é_B×
ŸB%:tFG
×Tu´Ou• mza`]^ÍRT[×Tu´Ou•[p_¼R
›=J'{#W
×ãJO p~]^ÍRT[×ãJO ÒM[NM_1V0
?BN<‰E'
×ãÃidkn`]^ÍRT[×ãÃ[…_60R
9<4 ~$M
‚B¤™ÎC´ Mdkn`]^ÍRT[‚B¤™ÎC´Y[‚_AFK
9FB6}R
‚°ÒH]^ÍRT[‚°ÒH[¸_ÒF
žJ x#$
‚Ëj‰A^ÍRT[‚ËjS[{_EË
B@KYC6
‚ÁjM”‹ ltvA^ÍRT[ŸNZf´A[\_3S7
FKGS™UM
‚o]RÖTwNÓA^ÍRT[›šKaÚA[¥_AXV
¡F;Cr/S
‚o½úLjidkn`]^ÍRT[‚o½úLj[¸_úQ
J?;x<J
‚Lª‰AFB]^ÍRT[p‰¾­S[NV_½V
BB,(‘ !
‚½a pÕa]^ÍRT[‚½a pÕa[y_O¬
AV9¿'C
‚××idkn`]^ÍRT[‚××[y_sN
E^>P³"8
‚«•Áidkn`]^ÍRT[‚«•Á[§_2K7
9C8%}DL
‚OžOÜåH wBeÃûA^ÍRT[‚OžO[Š_EOS
8BNE|5<
‚ÈIidkn`]^ÍRT[‚ÈI[¨_U14
AEJ*R*
‚RúNO]^ÍRT[ÿŒ¿}|[{_O02
DEO%–3(
‚S‰C´ Mdkn`]^ÍRT[‚S‰C´Y[§_48K
<D:8T?
‚l OF ŽGj‰A^ÍRT[¢Oac[¸_1H9
œKP&yN(
‚ãÒbOdq]^ÍRT[º„‰ãLjY[{_ÕO
DE+9—'
‚ãÒidkn`]^ÍRT[‚ãÒ[Š_NVD
8CQ'|0/
‚W]LBfY/dIabOdq]^ÍRT[‚W]LBfY[Ö_M72
ž@>Vw:
‚W”ËF\‡mza`]^ÍRT[‚W”ËF\D[Ÿ_EWB
©GFBdW:
‚W”¤dFg‰ÏøA^ÍRT[‚W”¤dFgS[…_Bç
:;H3€ B
‚Wb„Tj]^ÍRT[¸LˆNÀa[©_oG
§EFIiB6
‚Wb„TjÜsábOdqihp—Ø¼LD[‚Wb„Tj[e_UWL
¡ERBs1=
‚Wb„Tjidkn`]^ÍRT[‚Wb„Tj[š_UCP
¤G=n6N
‚WbsT} A^°Ïc]^ÍRT[tHE[§_IXD
8DOQ|S7
‚WbO`e­idkn`]^ÍRT[`e­[{_C80
CB'J–/G
‚WbUYƒÎA^ÍRT[‚WbUYƒA[{_L88
C@V7•G(
‚W ­R©ûA^ÍRT[ÝåH~×ŠN[š_N57
¦EOPiL)
‚WÜƒPÝûMdkn`]^ÍRT[‚WÜƒPÝN[_1Y5
œI#,z2B
‚WÜIBxCµ]^šRK[¾w”Žu[¦_X52
¢9CVn=E
‚WÜlEeidkn`]^ÍRT[‚WÜlEe[¸_8D1
ŸIVEv$S
‚Wêcµ`œ]^ÍRT[T¤CY[{_1Q4
DCFF—0"
‚W ~ÏbOdq]^ÍRT[ÄeÝN[ã_W96
¥C<*k%B
‚W ˜Ìa]^ÍRT[F\•T[ã_W90
¤C.0m2'
‚Wih~A^ÍRT[‚Wih~T[ã_8W2
¥DE4lH=
‚WiŽ·W‰A^ÍRT[‚WiŽ·WS[‘_1U4
DJXG’/ 
‚W \jf‰×‰JRBü`úû{LjÌcØ¼Lò]^ÍRT[‚W \jfS[p_NBG
;ODxB
‚W €uŠÌ mza`]^ÍRT[‚W €uŠÌ[¸_RNH
œK&Rz>3
‚W €¾Ri{‰(èC¨uEaØ¼Lò]^ÍRT[õŒÃNúLj[Ê_ÊA
¥@H<k85
‚W €¾Rß`j A^ÍRT[ìBªN[ã_P™
£C&,nFI
‚W SùR×”Žuidkn`üõŒ”rgò]^ÍRT[‚W SùR×”Žu[¦_ÔB
¢;!3nVV
‚W lUYAîA^ÍRT[‚W lUYAK[y_KNW
BY9$»45
‚W ÝWûMdkn`]^ÍRT[‚W ÝWN[Ì_05D
>MX#„:I
‚W ¬Midkn`]^ÍRT[‚W ¬M[¶_¬M
8J1$|<$
‚W Y\î™YÍRT‰eC £APp‚”„E[‚W Y\K[Å_6N7
§FJ gX4
‚W Y\îlE›ReTc×TIa`]^ÍRT[‚W Y\K[Å_SWF
¨G<-h$/
‚›RîªÿRq eTc×TIa`]^ÍRT[‚›RK[NJ_EWR
§FG?h(%
‚WÿRábOdq]^ÍRT[‚WÿRá[â_EOE
¢@0@oD8
‚WFOd‡ãLj A^ÍRT[B€l[NH_2N2
©IA=eK#
‚WŸý]^ÍRT[æpŸZOO[ˆ_4N0
¡H/2sK
‚W×û¹bOdq]^ÍRT[tpÏA[­_C
 ?0HrL)
‚WÍRMdkn`]^ÍRT[‚WÍRT[\_aP
EJ@Oš!;
‚WÍR‚WS/¸Lªƒ³}ÓeTc×TIa`]^ÍRT[‚WÍR‚WS[ã_ÈF
¦C%Uj;A
‚WÍRmza`]^ÍRT[‚WÍRT[h_M19
œAD.y(A
‚WÍRltvA^ÍRT[‚WÍRT[€_UUU
©G=We.T
‚WÝûrgD[õŒŸN[®_59B
ªKCWd,Q
‚WÝûMdkn`]^ÍRT[‚WÝN[…_61R
8<S!{J?
‚WÝûMdkn`-ŽRøJ¥ýaØ¼LD[‚WÝN[_éU
›GF:{0
‚WÝN-C´Y-dq]^ÍRT[‚WÝN[§_EWK
:D!7.=
‚ZóR°idkn`]^ÍRT[‚ZóR°[‘_0S5
DL,1’,1
N­¤Ø`½ eTc×TIa`]^ÍRT[N­¤Ø`½[Å_G
¥I$<lVL
N±HTM¨vA^ÍRT[N±HTM¨E[y_±T
?Z:'ÂH-
NIKAI]^ÍRT[NIKAI[y_F¢
C]%¸3<
NIK™I]^ ltIa[NIK™I[y_IKO
=RV<ÆPW
NeouIîA^ÍRT[NeouIK[y_Ne
DZ+µA4
NOty]^ÍRT[NOty[y_WTK
?a?FÀXP
NOBjbOdq]^ÍRT[{LD¹LL[¥_I10
£EN!o>)
NOBjÑoj]^ÍRT[NOBjÑoj[e_I80
 F+sWR
NO­j‰eTc×TIa`]^ÍRT[NO­jS[ç_S
@=7"ŒPR
NO®]^ÍRT[NO®[y_O®
>^<KÃ8F
NO®b´ rgD[NO®[y_94Z
>^<GÃ57
NaÒLÝûA^ÍRT[NaÒLÝN[y_5NN
CYXO¸P3
N\FîeTc×TIa`]^ÍRT[N\FK[ã_\F
¦BSJj)V
N\FîýüuƒÿR‰rgò]^ÍRT[N\FK[ã_NGU
¦BV-j/3
N\Fîý]^ÍRT[N\FK[ã_NHU
¦BW2j0,
N\Fîmza`/æRølEöû®Š€`Ø¼LD[N\FK[‚_OFK
:GY&8$
N\Ÿûdq]Ò/T¸ûãLj A^ÍRT[ôA/T¸ûãLjY[¶_D00
9M-D~6
N\Ÿû ˆ‚ ÙûJO£ eTc×TIa`]^ÍRT[ÙûJO£[{_SJC
DC3M—UI
N\|]F]UX]^ÍRT[N\|[â_XNO
£?B@o"R
N\|”„‰xpÌ]^ÍRT[N\|”„‰xpÌ[¥_3X5
£GI#pO.
N\|”±Ü\ûdq]^ÍRT[WjY/˜¾LL/BYwN[W  U68
AJTHŠ8J
N\|bsT¤øˆSÃ}I mza`]^ÍRT[Bw“rgD[Š_Š8
›EL/{L
N\|bsT¤øltvA^ÍRT[šWTUŒÚ[€_SFZ
©GU-e;;
N\|bsT¤ø¹lß^zN]^ÍRT[þh§÷RG[WV_ŒB
¤E/Rn+E
N\|Ø\îãLj A^ÍRT[ša[_7V2
@DOS‰DK
N\|ØOX xpÌ]^ÍRT[N\|ØOX xpÌ[ˆ_6Y3
¡K:VsLQ
N\| xpÌ ×‰(Á½E rgò]^ÍRT[ÙûD¼Õ[{_NZY
B>GT“*M
N\| p‰¾­‰A^ÍRT[p‰¾­S[NV_VÀ
BB*E‘)F
N\| ª—j wŒidkn`]^ÍRT[N\| ª—j wŒ[h_\K
›@OYz--
N\|²`M”ŽubOdq ’‚¤øAútIa]^ÍRT[¹l²`M”Žu[¦_F45
£8PKn+2
N\|²cá]^ÍRT[Lï¿«[¦_H¿
¢8#n,8
N\|²k~ý]^ÍRT[mF\M[`_3M8
ž?5*v6
N\|²p—vmza`/jvB^‡rgD[N\|²p—E[‚_LBF
<G%@‚G
N\| Tà„ mza`/óR€ûrgD[žcŸN/©Nxa[…_GYI
9?HQ~F9
N\|ßcNa]^ÍRT[N\|ßcNa[e_OVO
 E IsB2
N\|ƒPÝûA^ÍRT[N\|ƒPÝN[Ÿ_7B2
¨H1GfBF
N\|Žl]pBƒÎmza`]^ÍRT[­Dës[`_­D
 ?X+t#;
N\|Žl I†Îmza`]^ÍRT[uhj‰C´Y[_CCY
œI"5zBD
N\|Žl KeG·M eTc×TIa`]^ÍRT[‚WÍRT[V EFK
©JS/f+I
N\|Žl ¥IO mza`]^ÍRT[„H÷p[¥_HZY
¤GLFnGN
N\|Žl²HoôgÈ]^ÍRT[ÈoôgÈ[š_P‚
§F"UiD
N\|Žl WYOˆNÓmza`]^ÍRT[zLj—E[W  GCC
?J2V‡>4
N\|Žlcûmza`]^ÍRT[ËsÝN[Ê_ËE
¦BIj@)
N\|cûhOOlO“ mza`]^ÍRT[FmÊHúLj[®_F¾
«M/&b0L
N\|cû˜¤· mza`]^ÍRT[F\Lªý/˜¾pÌ[_FNL
?F9%‡G
N\|O®idkn`]^ÍRT[N\|O®[¶_43Y
›MS/|-;
N\|ÞÿRpÌbOdq]^ÍRT[žƒ“e[š_N79
¦FP+j?'
N\|› A^ÍRT[N\|›Y[y_\T
H\WF«UG
N\|¹l]pBƒÎmza`]^ÍRT[MµþvžO`S[`_ÖL
Ÿ@JIuBC
N\|¹l]Ræý„ ÏøA^ÍRT[öYÚTÔoj/¢€NGÒj/w’RS[h_X×
8B.T|0:
N\|¹lØ˜€Ò”Žu• eTc×TIa`]^ÍRT[š×Ÿb´Y[¦_äP
Ÿ<3<sMJ
N\|¹lixÃ}I mza`]^ÍRT[ŸáúLj[Š_ÔU
8F3*|U
N\|¿«idkn`]^ÍRT[N\|¿«[_5D2
›I8V{*$
N\|¿«idkn`/úÊvrgD[N\|¿«[Ì_4V4
:MI<A5
N\ÝûMdkn`]^ÍRT[N\ÝN[§_NRN
<EQ SG
N\›LK/H}abOdq]^ÍRT[N\›LK[¥_5A1
£G,Gp?"
N\¸u]^ÍRT[N\¸u[§_49K
:C92P
N\¿«iœ\øA^ÍRT[N\¿«[Ÿ_†D
©H)8e(5
N†tÎMdkn`]^ÍRT[N†tA[“_H66
9BI-}C=
NUä•bOdq]^ÍRT[wBl†N[…_RÉ
:9LGG6
NUIQS¨]^ÍRT[NUIQS¨[y_AQT
Dd*Aµ5
N¬tO]^ÍRT[N¬tO[y_N¬
A^IL¼"9
Ndƒ IÄÎA^ÍRT[Ndƒ IÄA[y_SXP
>\=+ÂPR
NdAP´uUîA^ÍRT[NdAP´uUK[y_16A
@ZT4À88
N¨ TmvA^ÍRT[ã{úLj[{_VCB
DD4H—WF
ÅAC]^ÍRT[ÅAC[y_ZÊ
AZXR½YD
Oy TmvpÌeÓA^ÍRT[H±H ¢€NÛ[¦_6J8
¡;I+pEU
OyÒj]^ÍRT[OyÒj[{_O27
DCK5–N
Oy•idkn`]^ÍRT[Oy•[Ì_2D5
:L(6€"N
OypÌbOdq eTc×TIa`]^ÍRT[ÍÏC[ˆ_PTK
¢HEVq7,
OypÌ ÙûF¤Êx”‹]^ÍRT[OypÌ[{_Oy
DCI/˜+.
OypÌ Ã¨H¹l]^ÍRT[‚WÜUDÃN[ˆ_Y47
¢H<)qC7
OypÌ/Tw A^ÍRT[TwY[ˆ_VLL
¢H>Aq(F
Oyj Mdkn`]^ÍRT[OyjY[‘_1U6
CH, RF
Oyj Mdkn`]^ÍRT[OyjY[§_Og
<E$H‚O
Oy€D’ ltvA^ÍRT[Oy€D’[\_5S0
EIK'˜<.
OÿRªûMdkn`]^ÍRT[OÿRªN[§_Oe
<EP"‚>5
O{p eTc×TIa`-JIM Y˜RØ¼LD[O{p[¦_OCF
¢;(1p+9
O°fb´ Mdkn`]^ÍRT[O°fb´Y[NJ_26N
§E-OhB9
O°fb´ Mdkn`]^ÍRT[O°fb´Y[M‡ OXB
§D0Di%8
O°fbOdq]^ÍRT[ÝÖ €¾R[NJ_MJX
§EU@h/J
O°f €D’]^ÍRT[GU``A[{_E55
DDN$™=P
O°f ž\•idkn`]^ÍRT[O°f ž\•[›_W04
FLYWš&?
O°f ¢€NÛ]^ÍRT[O°f ¢€NÛ[Ö_5R2
<54vK*
O°fÎdq]^ÍRT[ÁRT/žgBY[ˆ_C04
 ID<t1K
O°fÎ×‰(AÍL˜ ÃU°îrgò]^ÍRT[úRzN”Žu[ã_ÏU
¦BO4jU
O°fObOdq]^ÍRT[O°fO[{_L52
CA$$–C2
O‚vdq mza`]^ÍRT[þœÃN[â_°U
¢@F2pS'
OÏO/J ·åp‰ByvMdkn`]^ÍRT[OÏO[¸_OCQ
ŸJR9uTA
OTo˜]^ÍRT[OTo˜ ¹L½[{_L90
B?&R’%T
OC¤~ xpÌ]^ÍRT[OC¤~[Ê_W95
¦A$"iWW
«gø¸LªƒÃûMdkn`]^ÍRT[O°f xj”Žu[Ê_60J
¤?T@l8#
«•Ùidkn`]^ÍRT[«•Ù[›_43D
EM2Q”FD
«•Ù-âHj®YcØ¼LD[«•Ù[…_«O
==U/„5,
Og¹eidkn`]^ÍRT[Og¹e[_Z
œHFQyX:
OÐ¨AFB]^ÍRT[OŸÁ[‚_OÐ
9G%(}T=
OG©N-HeŒj A^ÍRT[OG©N[¨_OGD
BG)HŽJ
OG©ý÷RÓeTc×TIa`]^ÍRT[OG©ý÷RG[Å_OÛ
¨JFVi9N
OGjbOdq]^ÍRT[ŠdŠR€S[o_C55
žH +w5A
¥IObOdq]^ÍRT[ÁRTF\D[K êQD
ŸC9=tPY
¥IO ltvdI¾Rñq]^ÍRT[»¡µ[¥_OSU
¢F"Lq"6
¥IO dI¾Rñq]^ÍRT[tHsS/`BfY[¥_dI
£E*Ip+K
¥æ †e’H]^ÍRT[•šNA[NM_E14
?B@ˆ I
OJIB›]^šRK[¹‘ŸN[ˆ_D11
¡II,s&
“fO­ûjza]^ÍRT[“fO­N[›_S35
EN3I•@!
“C ¸Løw’R‰eTc×TIa`]^ÍRT[“pŸb´Y[“_“C
:A5AB!
“Eäÿvdq]^ÍRT[“EäÿE[¦_Oÿ
¢9.nQ
“œAHidkn`]^ÍRT[“œAH[“_F81
9A61~02
“M¬’vmza`/š¬]Ì”Úq]BÉ—Ø¼LD[“M¬’E[“_“M
9AF#}VU
“aÎMdkn`/€uh‡lOãLørgD[“aA[Ö_5A4
ž@WvI@
“TIBÿÁ]^ÍRT[lhKúLj[Ö_M51
ž?;RvFS
‡B€D’]^ÍRT[‡B€D’[NJ_3N6
§F1Nh2N
‡ÁRÉR]^ÍRT[‡ÁRÉR[y_6R7
DW+$·.)
‡Pó²p°]^ÍRT[AGUÎìL°[…_67T
:9MYQ!
DÁMbOdq]^ÍRT[¾­[…_E52
=A+Q„5V
I¾”¤ÊH/Y˜RØ¼LD[I¾”¤ÊH[Ö_V
@XJwM+
IúÎmza`]^ÍRT[IúA[¶_OVL
8JLI}X
‚ Mdkn`]^ÍRT[‚Y[…_aY
;?3!€O'
‚Y-NOBj]^ÍRT[‚Y-NOBj[o_Y
ŸDI1v(A
µTEvMdkn`]^ÍRT[µTEE[“_F09
;@<K7L
Yð mza`]^ÍRT[Yð[›_M
FLX(˜T'
OŸîA^ÍRT[OŸK[›_OMK
EN9R•=#
OŸR ûB¤Dj A^ÍRT[ŠÿRï[Š_¡Y
œE9Mz7?
aÎA^šRK[ˆLÝN[WV_12V
£D89p*!
a‘ÎMdkn`]^ÍRT[a‘A[ë_98D
<JH ‚$#
a€O eTc×TIa`]^ÍRT[a€O[{_aT
B@!4“B"
a€Oidkn`]^ÍRT[a€O[\_aO
DJ(“M
aÝ×Õûdq/âHµTcØ¼LD[aÝ×ÕN[ˆ_OGM
žLPJw4 
OÈEIM]^ÍRT[OÈEIM[Æ_S00
@NRˆ7 
OÈ^]^ÍRT[OÈ^[y_Z17
B]&Kº=J
\f’bOdq]^ÍRT[ŠÏÕ®á[Å_MGJ
§G<Ih-O
\f’bOdq]^ÍRT[\f’[ã_OMH
¥D,Pl J
\f’bOdq]^ÍRT[\f’[…_\G
8<"${N,
\f’ ºO¾ ×LF]^ÍRT[\f’ ºO¾[…_NOG
:9SO€ C
\f’idkn`]^ÍRT[\f’[Ÿ_\E
©H@*f/1
\f’÷RÓMdkn`]^ÍRT[\f’÷RG[â_OGB
£?97nQ@
\Bf]^ÍRT[©¸—[ˆ_51C
¡HQ&rDK
\{‰xpÌ]^ÍRT[ŽlÃdD[›_\S
FNH<˜TD
\pÌO]ÍPæ]^ÍRT[AÍPæ[¦_X04
¢:H6o@S
\pÌO àä¨I¾]^ÍRT[\pÌO[¦_\L
¢:>Jo1Y
\pÌO eTc×TIa`]^ÍRT[\pÌO[¦_èO
¢:7Lo0>
\pÌO ÙNF\‡eTc×TIa`]^ÍRT[\pÌO[¦_SFB
¢:LDo,$
\jf‰A^ÍRT[\jfS[e_7I4
 DE<t8A
\ŠÌ”Žuidkn`]^ÍRT[\ŠÌ”Žu[¦_O¶
¢;0"o$P
\OrNOidkn`]^ÍRT[\OrNO[‘_S68
DL;=’.=
\Oºf©]^ÍRT[\Oºf©[‘_75C
DKIL‘=F
\OúLjidkn`]^ÍRT[\OúLj[{_O¾
DE;.—C1
\R mza`]^ÍRT[\R[¶_\B
œNWzQ4
\éc]^ÍRT[›~ŸN[¥_I64
£G/Cp42
\ÝNúLjidkn`/ŸRTeÃûrgD[\ÝNúLj[¶_VVV
9K0-~7;
OÙ’b´ Mdkn`]^ÍRT[OÙ’b´Y[§_53K
9DD}N%
OÙ’idkn`]^ÍRT[OÙ’[_D02
›I/>zMJ
O³\‚idkn`]^ÍRT[O³\‚[§_K75
;E8€FN
OâEÎMdkn`]^ÍRT[OâEA[h_7M4
AG:xB
OâEÎMdkn`]^ÍRT[OâEA[_I75
›G!&{G3
Oâ«Îdq/©NNx æUÐŸû®Š€`]^ÍRT[ˆO[ˆ_51M
¢JF;r%1
Oâ«A/W}TSˆ|]^ÍRT[Oâ«A[ˆ_Oâ
£J9#q5E
O™`OOÙidkn`]^ÍRT[O™`OOÙ[_OOA
œG+@z;D
OS¹ÕbOdq]^ÍRT[F¬ÝN[Å_FZY
§I3!j5/
OS¹Õidkn`]^ÍRT[OS¹Õ[§_K67
8C'@} ;
O|g˜idkn`]^ÍRT[O|g˜[›_S70
ELME•"N
O—A› àä¨I¾]^ÍRT[ZEgfD[ˆ_Z98
¡HO sUG
O—A›idkn`]^ÍRT[O—A›[§_†I
9D>3}-)
O—Þ› mza`]^ÍRT[O—Þ›[_OTM
œG$8z8P
O¨pWØ¼LD[þh§úLj[é_ŒV
ŸBC1u6T
OUZeK¼]^ÍRT[OUZeK¼[y_4K5
DWV>¶9T
Oú‡A^ÍRT[OúD[Å_D82
¦HE/jMM
†ta× ©G‚R mza`]^ÍRT[†ta×[¶_†A
›J%5{->
†sØ¼LD[£YŠ}[Š_H58
›C)!zJ+
†s³\O/Òú•‰dq mza`]^ÍRT[†s³\O[K  †B
ŸCJ2u(
†OSÃbOMMd´ A^ÍRT[†OSÃ[ˆ_RNP
¢HYAr&1
†YHEvA^ÍRT[†YHEE[NV_10U
CGW+’(U
†YHEvm£RVO^ ltvA^ÍRT[†YHEE[\_28U
DI7;“2J
OX ¤ÊH]^ÍRT[UãL©[…_10X
;;9G‚$Q
OXF\‡dq mza`]^ÍRT[OXF\D[®_81B
©J'9d:S
OXF\‡Mdkn`]^ÍRT[OXF\D[§_55K
:C.'#B
OX×R‡A^ÍRT[OX×RD[{_OXR
C@*!•*8
OZhK/BpŒ¹LørgD[OZhK[`_71J
 =7UsC,
OZhK/F¤NKªûdq]^ÍRT[OZhK[h_7M5
8A<E{P4
OZaÎMdkn`]^ÍRT[OZaA[…_OZA
<<J%ƒ*&
P îA^šRK[¤EF\D[Ê_5W4
¤A)m):
šCIrCb´ ltvA^ÍRT[šCIrCb´Y[\_PFC
FK)X™WI
šŒ¿«]^ÍRT[šŒ¿«[›_55S
FLB,—FG
šDGÁMØ¼LD[`j­N[ˆ_35D
¡H=NsO3
š’Ø¼LD[F\ùcS[¦_Fù
¢8A*oQN
š’idkn`]^ÍRT[š’[ç_P­
ABU@8T
š’ mza`]^ÍRT[š’[Ì_64G
:M(+:U
š’pÌ]^ÍRT[š’pÌ[â_PYG
£@J>n2I
šH¨v®Ù]^l€P[®RC}Y[NV_L23
BC$(’0N
šxj A^ÍRT[šxjY[\_22S
DHI#–?L
špCIO‰Mdkn`]^ÍRT[špCIOS[…_PSX
9:IE~-!
špTæidkn`/Læ pRKeØ¼LD[špTæ[¦_28J
¢;E;oG6
šjlevMdkn`]^ÍRT[šjleE[…_PSN
9=LM}H5
šLM”ŽubOdq Gp©‰A^ÍRT[š~E[¦_ÈK
¢8M$nGB
šLM”ŽubOdq²hîA^ÍRT[¹l²`M”Žu[¦_L×
£8AAn#$
šLM ¢€NÛ eTc×TIa`]^ÍRT[šLM ¢€NÛ[{_P¢
B?OM’<6
šLMÒj µAF²pÏ 42]^ÍRT[šLMÒj[{_PMD
B@CL”#"
šLù¤idkn`]^ÍRT[šLù¤[¸_88C
ŸHSvAX
š˜]LÝ]^ÍRT[š˜]LÝ[{_šO
DC9F˜$T
šM'‰Pp°]^ÍRT[œes°[e_78I
 E<$tG1
šNGÉRû®Š€`]^ÍRT[¹×TuEE[›_ŽT
EM5V–*7
šNGU´uidkn`]^ÍRT[šNGU´u[¨_U55
ACPIŽ5=
šNÁÌj-{RÃûdq]^ÍRT[šNÁÌj[…_T45
<A3Hƒ3T
šNÎdq]^ÍRT[Bt•úLj[Ö_PMU
@3OwS@
šNÎdq-žhóØ¼LD[{R|A’[…_4F2
8>(@|/V
šIidkn`]^ÍRT[šI[e_I42
 DA#t9T
š¤Ø¼LD[Y`E[ˆ_4Y8
£I*&pK,
š€‰Mdkn`]^ÍRT[š€‰/SUB/[h_7M6
8A/W{FT
šRîöL½idkn`]^ÍRT[šRîöL½[¸_PKF
KW0x7:
šRî¤P‘‰Mdkn`/Kaž“Ø¼LD[šRî¤P‘S[¶_PKD
8LT"}"5
šRî€¾R - Wb ™Jc¾ûrgD[šRî€¾R[Ì_Y37
:N5ELQ
šR~RbOdq]^ÍRT[¹tHcF\D[…_¹A
:>JMFW
šR§ÝûMdkn`]^ÍRT[šR§ÝN[ë_8V3
:I4EY5
šRªûrgD[‚WÍRT[NH_2B3
©I5,f)-
šRŸ]^ÍRT[šRŸ[‘_50S
DILJ’V1
šw›ûA^ÍRT[šw›N[¨_1L9
BCQAŽNW
šRR]^ÍRT[Zf•úLj[¥_42I
£F8pO
šRž`L-ÁNKe‰A^ÍRT[šRž`L[Ì_Y74
=MV&„&>
šRÃý]^ÍRT[{RwLLÝN[¥_5D6
¤FDSo"(
šÃ wBj‰Mdkn`]^ÍRT[šÃ wBjS[{_PRB
CAF4–CC
šT€Œ jAH ÷RªNÀa eTc×TIa`]^ÍRT[÷RªNÀa[V”TV
©J:1g'*
šT€Œ ¢A°Ø\°”„vA^ÍRT[ÎÿAu[¦_F
¢:,$nBB
š— rgD[g ·¤·[§_9K6
:CN ~MW
šTUXs€¾R ×‰(T¤P‚Lørgò]^ÍRT[šTUXs€¾R[M‡ NHK
¦D/)j6B
š¬”€D’‰rgD[Hs›LD[é_0M3
ŸA>LuAP
š¬biojR/¢h]^ÍRT[¢h[ˆ_8D4
¡I%EsFK
š¬²´TŸû®Š€`]^ÍRT[qjRÝWN[Ö_T36
=&Jx("
š¬DeÓN\|¹l]TpÏÎA^ÍRT[tpÏA[­_PUJ
 ?TIrV8
š¬ª×idkn`]^ÍRT[š¬ª×[_1Y9
9HY.}ER
š¬‰ãLj Mdkn`]^ÍRT[š¬‰ãLjY[“_PVJ
:@H@+6
šíµæidkn`]^ÍRT[šíµæ[“_H76
9BF0~62
šW‚vC´ Mdkn`]^ÍRT[šW‚vC´Y[‚_50K
9F$X~)G
šW‚vMdkn`]^ÍRT[šW‚E[“_H97
:B4D~N1
šXÃûA^ÍRT[šXÃN[y_PXK
F]:¯< 
šXÝûA^ÍRT[šXÝN[o_1C1
ŸF8Vv%F
šYÚTvMdkn`]^ÍRT[šYÚTE[‘_S75
DJ#D’T)
šY‚Ñojidkn`]^ÍRT[šY‚Ñoj[¶_óX
8K41|JG
šYÃûA^ÍRT[šYÃN[ç_šN
@@-723
PÿA‹vA^ÍRT[ÝPe–EE[ˆ_Y30
¢K=Rr?7
óAu ltvAc«w®[¸LªƒÃN[­_­2
¡?)r40
óh°Øcá]^ÍRT[®ôúEW[ç_L25
BB#B N
óhpÌ mza`]^ÍRT[µÝN[…_LVJ
9;=/},>
óhÃûrgD[ãÊOU¾R[›_VUO
EKC,˜E5
ó‰Mdkn`]^ÍRT[óS[…_óQ
==4W…<E
óDw”‹]^ÍRT[óDw”‹[y_4K0
CYMO¸%N
óKeidkn`]^ÍRT[óKe[o_C15
žF;/wF?
óª{û¤P‘‰Mdkn`-ïa'‰rgD[óª{û¤P‘S[¶_47Y
9LD;~$-
óLpidkn`]^ÍRT[óLp[_óA
›G6"zVK
óL½Ýûmza`/œ®dq]^ÍRT[óL½ÝN[ˆ_PLN
¢K@-rMN
óLTZØ¼LD[€NÛTË[_8Y8
8I-W|?K
ó¡eÎMdkn`]^ÍRT[ó¡eA[Ì_P¡
:NV?,8
óÌcidkn`]^ÍRT[óÌc[‚_0C4
9H$N~IF
óNûãLj A^ÍRT[£ªýºO¾[š_£G
¦FO.jQQ
óNûYf/Yt•bOdq]^ÍRT[óNûYf[Å_óO
¦HD+k!(
óNN€D’]^ÍRT[óRæñE[š_ŒZ
§F53i/8
óNýbA¾]^ÍRT[°ÏmÜ`L[š_N74
¦FS6kB)
óýAp eTc×TIa`]^ÍRT[óýAp[¦_Pý
Ÿ<:6u)*
óýAp ×‰(F\ml žcŸûrgò]^ÍRT[óýAp[¦_Nš
ž<3*u1#
óRCIãø¢€NÛ]^ÍRT[›TÃN[o_2T2
žERv>3
óRÁMidkn`]^ÍRT[óRÁM[¶_16D
9LBE}B4
óRKe‰rgD[O¾RÝN[NV_U08
BB@#8B
ówrgD/F\¿R|]Lªf°]^ÍRT[F\¿R|[…_AFW
:>Y71(
óR€‰ãLj A^ÍRT[óR€S[{_L65
B?KS“+&
óRábOdqidkn`]^ÍRT[TgøC´Y[e_Tg
ŸD&tG?
óRá jF\‰rgD[šðA[…_Pš
<ABM‚YM
óRáidkn`]^ÍRT[óRá[“_F22
:B5&.D
óRáidkn`]^ÍRT[óRá[_Pw
8GOA|'@
óRá l“•]^ÍRT[T€N‘ô[_D
>C-?†29
óRá-FE A^ÍRT[óRá[¦_FPY
¡<"-q@T
óRá-µÝûdq]^ÍRT[óRá[­_PXE
¡><DqL 
óRá-›RÙW]^ÍRT[óRá[Å_01G
¦HJ;l!&
óRáÝûOuoTmvdq]^ÍRT[óRáÝN[…_PYX
<B6M‚K$
óRáúLj]^ÍRT[óRáúLj[y_óV
AUT6½'E
óRáúLj mza`]^ÍRT[óRáúLj[Š_PCD
CR(wQI
óRUidkn`]^ÍRT[óRU[e_I76
 FM't&M
ó»Ÿidkn`]^ÍRT[ó»Ÿ[{_O69
DD-:˜B1
óTc O KN±HA^ÍRT[ðA[¦_TPF
¡9TVp8X
óTc²€ÊvrgD[ˆLÝN[¦_2R4
Ÿ<D-tYC
óTc³}Óõ®‰ÎJ¥ýa]^ÍRT[óTc³}G[y_PSG
HVN#¢VL
óT´êŽûšRîA^ÍRT[ŠR€LÝN[h_ðJ
›A&2zT?
ÈIFc]^rgD[íŽTpÌ[W  ŽN
?H!2†UH
ÈoôgÈ eTc×TIa`]^ÍRT[ÈoôgÈ[š_ÈL
§ER2i,8
ÈoôgÈidkn`]^ÍRT[ÈoôgÈ[Ö_ðE
>MWw%@
Èon]^ÍRT[Èon[ë_ÈP
=J UƒAV
Èon”opR‡Mdkn`]^ÍRT[Ýóæ[§_ÝP
9E"&}C3
ÈonPI/BhÉ}bOdq mza`]^ÍRT[ÈonPI[WV_79D
¤E'Xn!J
ÈoªP‰hù]^Ø¼L‡(–c©s²wúNÓºOdò]^ÍRT[–c©s[M‡]PG
¦E9Vj($
ÈoªP³}ÓMdkn`]^ÍRT[ÈoªP³}G[§_ÈG
;EJ&1!
ÈOsIX ©cß`j A^ÍRT[ÈOsIX[ç_DVT
A?G0Ž"W
ÈOsIX Õ«YŽR]^ÍRT[Õ«YŽR[ç_GYR
A?76Ž4=
ÈOsIX ™ ÁRÉR eTc×TIa`]^ÍRT[ÈOsIX[ç_ÈX
A?8!ŽH
Pk‹dvMdkn`]^ÍRT[Pk‹dE[Ö_MJD
<;-wE"
Pkæ› dqiœ\øA^ÍRT[C^þÔoj[¥_CYO
¢E<XpXV
Pk~ýbOdq]^ÍRT[õ¢c[­_JZP
¡@9*r98
Pk~ýbOdq]^ÍRT[Pk~ý[â_LQK
¢@NBpH(
P¼DŠÏidkn`]^ÍRT[P¼DŠÏ[Š_PYN
C%@xHO
P¼DŠÏ T€ô eTc×TIa`]^ÍRT[ºEs³\O[Ê_ÛO
¤B$#mV:
P¼R°bOdq/|dØ¼LD[PUY`»P[›_P»
FM$,˜/,
P¼Rm mza`]^ÍRT[P¼Rm[ë_P^
<J4X‚/(
P¼RÃûMdkn`]^ÍRT[P¼RÃN[¦_2J8
¢;-o9@
P±Õ—idkn`]^ÍRT[P±Õ—[h_7M7
B4Hx'X
PI~bOdq]^ÍRT[›¾Rï[¥_EOP
¢E(pUH
PI~bOdq/ÁTucØ¼LD[PI~úLj[K ²BX
¢C?Ip?Y
PoOdTá]^ÍRT[Bw“Ñoj[¦_X05
¡:1Op;M
PoOÍeA^ÍRT[PoOÍeT[y_PNP
BW@O»@1
PoOltIa]^ÍRT[PoOltIa[y_0y
?[WGÀV>
Pe`]^šRK[Ÿ¤×[ç_MZJ
@><A1=
PeŒ‚YúLj/ì ÄOe]^ÍRT[PeŒ‚YúLj[o_PJY
žCXFw3D
PevA^ÍRT[PeE[‘_1U9
CI9Y‘0B
PevB»Ð‰Mdkn`]^ÍRT[PevB»ÐS[W  82V
>G''†&#
PevHoøA^ÍRT[`BIa[Å_9G6
¦I(7l.;
Pev€D’]^ÍRT[Pev€D’[ë_¼N
=I/„<6
Pev€¾R mza`]^ÍRT[Pev€¾R[¶_PWC
8LI;|4T
PevãLj A^ÍRT[ÿRªN[NJ_19N
§ELHhVR
PeEB»Ð mza`/º‘cØ¼LD[PevB»Ð[h_PBF
œ@(:yV&
PeEH}l ltvA^ÍRT[PeEH}l[\_24S
EH$C˜4Y
Pegf‡Mdkn`]^ÍRT[PegfD[…_T24
8=,{XU
PeÔojidkn`]^ÍRT[PeÔoj[p_2L0
›=2>z8C
PIaEcßop’Ø¼LD[ˆÌs[‚_0V3
;F<T€VJ
Pn•Ý‚idkn`]^ÍRT[Pn•Ý‚[¶_PQN
9IXV~0
PIÄA/ÁRTZgørgD[PIÄA[¥_I17
¡F'Sr0<
PxäO]^ÍRT[PxäO[Å_K09
¨I9*h<T
PxO]^ÍRT[S}eG[¸_7P5
ŸK!Wv7C
P´T-ºEsúLj]^ÍRT[ºEsúLj[Ê_PGV
¥AD&k5!
P´T³}ÓpÌeÓA^ÍRT[I¶AÁ[\_O29
DKCL’:<
P´T³}GH eTc×TIa`]^ÍRT[P´T³}GH[š_P´
¤F;;n+X
P´T³}GH/÷TjR mza`]^ÍRT[÷TjR[š_BTP
¤FLBmW"
P´TSrg‡Mdkn`]^ÍRT[P´TSrgD[®_2B7
ªJL%c4:
P´TSrg‡Mdkn`]^ÍRT[P´TSrgD[Ÿ_PSF
¨H7Eg/9
P´TSrg‡óýÝ‚idkn`]^ÍRT[P´TSrgD[o_PPQ
ED2xLI
Pp°RúLj]^ÍRT[Pp°RúLj[{_PVF
DDI9–K*
Ppe‰A^ÍRT[PpeS[Æ_S34
DM:7T7
Ppe‰Mdkn`]^ÍRT[PpeS[§_S44
<C.%‚A 
PpÏb´ A^ÍRT[PpÏb´Y[¦_PCM
¡:p'N
PpÏtIa]^šRK[SYLãN[­_JYL
¢>DJoAN
PpTŽU ™ ¤ÊH]^ÍRT[Ëe÷RG[Å_1F2
¨I+>h$R
PpTeÞ]^ÍRT[PpTeÞ[y_PTU
@Y"¿OD
Pp—vMdkn`]^ÍRT[Pp—E[ë_1D3
;I6/€OP
Pp—vãLj A^šRK[HUDÃN[_18V
>F$(†H"
Pp—Ôojidkn`]^ÍRT[Pp—Ôoj[¸_PVB
HG4x8F
Pp—³}GH eTc×TIa`]^ÍRT[Pp—³}GH[Å_PBG
¨JE!g:#
Pp—SŠ¨Hidkn`/·åp‰V ìE rgD[Pp—SŠ¨H[‚_PMV
9FVT}U 
Pj„fÝûMdkn`]^ÍRT[Pj„fÝN[…_óZ
::W-€=*
P»M xpÌ]^ÍRT[‚W÷áÍRT[Ÿ_2B2
©HMIdP4
PïŠ¨Hidkn`]^ÍRT[PïŠ¨H[NH_1P1
©ILHeK,
PïŠ¨Hidkn`]^ÍRT[PïŠ¨H[e_C65
 G3Tt0
PïŠ¨Hidkn`]^ÍRT[PïŠ¨H[Ê_PMZ
¥ANEjK<
PïŠ¨Hidkn`]^ÍRT[PïŠ¨H[Ÿ_PYM
©GT>dIE
Í{Ï„idkn`]^ÍRT[Í{Ï„[h_M70
œB,JxW1
Í{Ï„idkn`]^ÍRT[Í{Ï„[_ÍH
8HJ@|DP
Í{Tg˜ mza`]^ÍRT[Í{Tg˜[‘_PIH
BHTAŽAK
ÍNOiOde‰mza`]^ÍRT[ŠdÍNO[š_ðO
§G&.i4N
ÍÚáØïeÓ¤ÊH]^ÍRT[wŒ›LL[…_T48
9>R#~+'
Íeó]^ÍRT[Íeó[y_ÈO
=b2SÄMW
Íep LRR‰A^ÍRT[ÍepY[y_PIZ
>cIXÁ1
ÍeMåU ×‰(×ãøB„v¾Ï}Î)]^ÍRT[OX×RD[{_ÏD
C@%'•%)
ÍewÿRT‰A^šRK[ÍewÿRTS[›_1RL
FNXD™"K
ÍpC{]^ÍRT[ÍpC{[ç_P10
@AM<Œ76
ÍLîdq/R‚ªµiO\vrgD[°ÒRÝWN[­_4A4
 @%s&G
ÍL˜Œidkn`]^ÍRT[ÍL˜Œ[p_L66
›=:Ez9F
Í½a]^ÍRT[Í½a[Æ_8S1
DMGJ)%
ÍðfO”Žu]^šRK[ÍðfO”Žu[¦_Pð
£8,Pn$F
ÍÊÎC´ mza`]^ÍRT[ÍÊÎC´Y[“_PÊ
:BIU#Y
ÍÌbm¯idkn`]^ÍRT[ÍÌbm¯[“_2K1
:BEKN=
ÍÏCidkn`]^ÍRT[ÍÏC[o_PÏ
žFU:vC8
ÍÏOÝCbOdq]^ÍRT[ÍÏOÝC[Ö_22M
ž@.>w /
Íó]Rù]^Ø¼LD[öYÚTÔoj[Ê_ÍB
¤A(-mR
ÍóØ¼LD[ºEsrgD[e_GFD
 EM7sJ(
ÍPpR”»Ð mza`”µe•‰A^ÍRT[ÍPpR”»Ð[Š_ÍF
BL8x1;
ÍPpR ºO¾]^ÍRT[ÍPpR ºO¾[o_C77
žH14vP)
ÍPpRidkn`]^ÍRT[ÍPpR[Æ_Í1
?N&"‡'J
ÍPpRúLj/óhø€¾RbOdq]^ÍRT[ÍPpRúLj[Ö_M13
<M*w<.
ÍR`jûA^ÍRT[Á×óó[HI_šK
@3SO½B)
ÍR`S¿R|]^ÍRT[ÍR`S¿R|[y_TÍ
CZ*.¸1&
ÍRf’j‰C­‰A^ÍRT[ÍRf’jS[›_N†
FN&;™6P
ÍR÷CYRµ/C¤WF\‡dq]^ÍRT[÷CYRµ[¥_17G
¢FLTpX;
ÍRþhs°bÛ]^ÍRT[ÍRþhs°[y_KPC
=_-*ÄQ9
ÍRºAÁM]^ÍRT[ÍRºAÁM[y_PGM
DY2UµOO
ÍRHE‘s]^ÍRT[ÍRHE‘s[y_P|
BVW?¼D
ÍRªa‰A^ÍRT[ÍRªaS[y_\I
DWS$¶PQ
ÍR®ôúLj]^ÍRT[®ôúLj[š_GKJ
¤GCBn*S
ÍROF o›]^ÍRT[o›[›_7W1
FL0Tš,
ÍROF Ã¨H ˜Ux× àä¨I¾ mza`]^ÍRT[m£R¾[p_APS
œ<#-x@X
ÍROF í´Ÿû÷ñ‚S‰A^bsTc]^ÍRT[LöX[›_S94
ELQ=“6Q
ÍR›žeÀa/D‘¼RØ¼LD[ÍR›žeÀa[¸_35W
ŸI8SuR%
ÍR’bOdq]^ÍRT[¤¾N×[¥_ÍV
¤G*Co-$
ÍR’bm¯]^ÍRT[ÍR’bm¯[y_A14
BXT5»HF
ÍR’idkn`]^ÍRT[ÍR’[¸_C47
žI?Cw:X
ÍRj‰Mdkn`]^ÍRT[ÍRjS[NM_PRZ
=@&J…6C
ÍRTcbOdq mza`]^ÍRT[ãLš¤xO[e_VPZ
 G9,u7
ÍRTcúLjidkn`]^ÍRT[ÍRTcúLj[{_PTV
CBL•!L
ÍRTpÌ eTc×TIa`]^ÍRT[ÍRTpÌ[\_PDX
EKA1˜AO
ÍRTpÌ eTc×TIa`êÚÍRA^ÍRT[ÍRTpÌ[®_PWM
©IDJd0=
ÍRTpÌidkn`]^ÍRT[ÍRTpÌ[e_PLD
¡F9#rY<
ÍRTpÌ-Ho½Éw]^ÍRT[ÍRTpÌ[\_HIO
EK>>˜W!
ÍRTpÌ-Tw¨Òj]^ÍRT[ÍRTpÌ[\_—D
EK>X˜6#
ÍRTSŠ¨H eTc×TIa`]ó„vA^ÍRT[ÍRTSŠ¨H[NH_PSM
©I"GdO6
Í£ rgD[ÁjYúLj[`_1M4
Ÿ@.OuB 
ÍÃ-~Rûdq]^ÍRT[öŠÃ[{_L73
CAAM•%H
ÍSSÞ KeG·M]^ÍRT[ºAF\D[…_F35
:>U6€8+
Ílio½]^ÍRT[Ílio½[V 2B9
©ISf-%
Íl-A^]^ÍRT[eD×ÍªS[e_7L8
 EKtP
Íl-­RZÎdqidkn`]^ÍRT[Íl[…_5F1
<?**ƒ20
ÍÝŸC]^rgD[F€sDï[M‡ßKX
¦DJUjW3
ÍÝŸC]^šRK[ÿR~j ¢€NÛ[WV_W35
¥EG?l'X
ÍTëƒidkn`/ÒŠûrgD[ÍTëƒ[Å_PTD
¨JFBhVT
Í—l†ûMdkn`]^ÍRT[Í—l†N[š_N47
§F-DiF-
Í¹LøMdkn`]^ÍRT[Í¹LL[W ²OY
AJR ŠMB
Í¹R‰A^ÍRT[Í¹RS[\_6S6
EHR(š!?
P¤GUvMdkn`]^ÍRT[P¤GUE[“_O47
9A:Q~I&
P¤^¼ ìbH¼ûMdkn`]^ÍRT[P¤^¼ ìbH¼N[¸_PDC
I'y%7
P¤— mza`]^ÍRT[P¤—[§_P—
;CH'€JO
P¤—'‰ŽlcûDIú©]^ÍRT[žcŸN[Å_D88
¥H'mG'
P¤—úLj/ºOUB rgD[P¤—úLj[`_1A9
Ÿ>81t<L
PmÏkvA^ÍRT[PmÏkE[¸_5N2
žK>0x.A
PmÏxS-JEÐcÃûÒú‰dq]^ÍRT[PmÏxS[Ö_M43
=AIwT5
PmâO— mza`/c‚l] ˜¾Ø¼LD[PmâO—[ç_PRC
A@E/Ž7'
PmžOidkn`]^ÍRT[PmžO[ë_5P5
<IT4‚ *
Pmñ©Ï ·×L‡J TRÞP eTc×TIa`]^ÍRT[¹l²`M”Žu[¦_DJT
£8FYn#J
PmñDIO jï eTc×TIa`]^ÍRT[PmñDIO[…_PRS
=;D!†3G
PmSÄvxjbOdq]^ÍRT[w’R‰C´Y[ˆ_PZQ
¢K67qNL
PmSÄvxj eTc×TIa`]^ÍRT[PmSÄvxj[®_PQI
«LG2b G
Pmla]^ÍRT[Pmla[‘_U10
BH$7TK
P€°bOdq]^ÍRT[ÈoªPS[¸_PBH
KH>x6'
P€°‰A^ÍRT[ªÌs[ˆ_9G2
¢HN9qL&
P€ŒÚT-ºOOÖØ¼LD[ñD×W[ˆ_6Y9
ŸL<=vH3
P€•p~ µF‰A^ÍRT[N\DŸN[‘_67S
EN@8’W=
P€•€¾Ridkn`]^ÍRT[P€•€¾R[‘_1S6
EN)8’TB
P€ÊÚa]^ÍRT[P€ÊÚa/wŒ HoL[NJ_39N
§F5WhE>
P€ÊÚaidkn`]^ÍRT[P€ÊÚa[¶_PNM
›K?A{B<
P€ÊÚaidkn`]^ÍRT[P€ÊÚa[®_PNN
«K* a?R
P€ÊÚa-{LD¹Lødq]^ÍRT[P€ÊÚa[K  2M0
ŸC$TuQ7
P€‚úLj]^ÍRT[P€‚úLj[\_S39
EJ/0–T2
PwP›ž]^ÍRT[JµTe[…_16X
:?"P3<
Pw¢äCm¯]^ÍRT[Pw¢äCm¯[y_PPC
D`NQ´DC
Pw¢ältvA^ÍRT[Pw¢äT[\_64S
EHJ?˜;2
PwS£R]^ÍRT[PwS£R[›_S40
EL*N•MJ
PwúÊÚ†ûMdkn`]^ÍRT[PwúÊÚ†N[Ÿ_PVC
©H"2d+-
PwVOidkn`]^ÍRT[PwVO[¨_PVU
BF+'I6
PRUØ¼LD[€TZúLj[›_33S
EM%6”54
Pá\Ø¼L‡mza`]^ÍRT[©{T}[`_DCU
Ÿ@E-tVI
PUEB˜iœ\øA^ÍRT[PUEB˜[_PUB
>D/6†;S
P¬LŸN/Šâ† mza`]^ÍRT[P¬LŸN/Šâ†[›_PUW
DLJ<“$H
Pd ÕRÒ]^ÍRT[Pd ÕRÒ[¦_PGD
¡8U%oY9
PdXS¨AW‚ Mdkn`]^ÍRT[PdXS¨AW‚Y[š_N35
¥FXlUN
P}°LøMdkn` - lÔs vžEÈh‡rgD[P}°LL[“_3O3
:@Y4W
P}ìvdI¾Rñq]^ÍRT[pöYÚTE[e_pF
 F6JtV+
P}~YPovA^ÍRT[P}~YPoE[y_01A
D\V9¶.)
P¨ e”‹]^ÍRT[P¨ e”‹[¥_3W2
£GD*pOH
P¨×MbOdq]^ÍRT[O—A›[¥_†X
¢G &qXU
P¨×MbOdq mza`]^ÍRT[ºEs{lj[e_GPC
 EDtNP
Äôb´¼‰eTc×TIa`]^ÍRT[Šª‚[o_Mª
G8Tx<:
ÄAobm¯]^ÍRT[ÄAobm¯[y_20K
E_3/³KG
ÄycÝWûA^ÍRT[ÄycÝWN[š_UKT
§F8%i4U
ÄfAHidkn`]^ÍRT[ÄfAH[…_F01
;@.DKA
ÄfTkOi{FüT}‚RØ¼Lò]^ÍRT[ÄfTkO[ã_ÅG
¦D<+k00
ÄhTZbm¯ / KOåh“]^ÍRT[ÄhTZbm¯[y_5Â
>_63ÂE3
ÄhTZbm¯]^ÍRT[OóR pÌeG[y_Jp
EZ;!³I4
ÄsTe]fsÃûrgD[»¾R‚[¶_ïV
9IC~+"
Ä•idkn` NR 2]^ÍRT[Ä•[NM_N24
>BN‡AQ
ÄopY¨vA^ÍRT[ÄopY¨E[›_Uo
FMV*š?K
ÄeC Mdkn`]^ÍRT[ÄeCY[¦_2J9
 <ARr?9
ÄeC Mdkn`]^ÍRT[ÄeCY[›_80T
EM*H•P5
ÄeC mza`-B`D¸ûrgD[ÄeCY[o_Ue
œEV>y)?
ÄeÁ­îA^ÍRT[ÄeÁ­K[y_AQH
@YK0¿PI
Ä´ŸûBw“‰dq]^ÍRT[Ä´ŸN[­_4J5
¡<N1qA3
Äa£ltvA^ÍRT[N\| KeÛÝWN[€_OÄ
©GAQe6K
R & î™Y¤ÊH]^ÍRT[wu•Tc[›_8W9
FLOX™#;
¤ögÜc×ÌEZ]^ÍRT[AGUôop[PR_BQN
¨0;Ga%L
¤e šS‰˜D’]^ÍRT[¤e šSS[y_6y
D\#!¶I!
¤j±HbOdqiœ\øA^ÍRT[ÿŒjY[WV_BKW
£CM,o%9
¤j±H àä¨I¾êÚÍRt ÙNF\D-jvdq]^ÍRT[ÙNF\D[Ê_—A
¤A@Wm$#
¤j±H mza`]óRÃûdq]^ÍRT[wXÉw[Ê_TDF
¤B/#lY#
¤j±H-ìRÁM eTc×TIa`]^ÍRT[¤j±H/ìRÁM[Ê_Rì
¤ARFlM-
¤LÈb ¹xcØ¼LD[ŸGN[h_AÕ
›?+E{+
¤LÈib`diœ\øA^ÍRT[××[y_L
D_(:¶$;
¤LÈiÜ`L/wŒ›LøMdkn`]^ÍRT[wŒ›LL[…_F46
9>UP~8&
¤LÈi žhó]^ÍRT[TdkA[Ö_30M
@E?x4@
¤LÈ ¹NZØ¼LD[PeË`E[W ²×
AHMQ‹NF
¤LÈ ¸siœ\øA^ÍRT[KOTZE÷E[y_OTZ
?`S#ÀAS
¤Š×]^ÍRT[¤Š×[{_RNM
B? 3’TU
¤ðhA^ÍRT[¤ðhT[y_Rð
E_<:´&9
¤Êi}¼]^ÍRT[¤Êi}¼[{_€U
DD;*—$(
¤Ì`øA^ÍRT[ˆDDjÝWN[Å_06N
§G7Uh5<
¤ÌÈ]FB]^ÍRT[dI¾RÙøC´Y[…_RÌ
:;=J€.G
¤ÌÈ]FB]UX]^ÍRT[£GUe[…_£Q
:;?WT<
¤ÌÈbOdq]^ÍRT[C¨HÿRT[­_25J
 =H%rOC
¤ÌÈbOdq]^ÍRT[¸ÊH•Tc[e_I22
¡F("rUL
¤N’ mza`]^ÍRT[HIBBeG[¶_HIB
œM5*zP2
¤N’ï]^ÍRT[¤N’ï[_4V0
@F#DŠKM
¤N’Rbm¯]^ÍRT[ºEs›Tc[›_21W
FMM—>
¤N’Ridkn`]^ÍRT[¤N’R[…_F23
;>9#€FS
¤NKe]^ÍRT[¤NKe[…_49F
<=+CƒW)
¤NKe]^ÍRT[ŸáúLj[Š_78Y
8F1T|P#
¤ÏO¬ ÏøAVûCÏR-F¤NîgªO—Ø¼LD[¤ÏO¬[o_Tn
ŸF/Cv&?
¤P‘b´ mza`]^ÍRT[¤P‘b´Y[ë_¤P
>J I…!8
¤ÝûMdkn`/CmW‰rgD[¤ÝN[NM_Ré
>BJ?†<$
¤ãLªbOdq]^ÍRT[ÁˆLÝN[Æ_HRF
CL-8%8
¤¾Ì`vA^ÍRT[¤¾Ì`E[{_O39
DFN+–3X
¤Wªýidkn`/ÁR¾ rgD[¤Wªý[W  RWL
@GN3‰*
¤ MMd´ A^ÍRT[¤Y[ˆ_57D
£HJ*pS2
¤ ‰ˆLjR]Rù]^Ø¼LD[{ð €PjY[¶_áM
8L#8|3D
¤YŠÌ øKµSŸ¬êRiœ\øA^ÍRT[þeÝN[ˆ_7N4
¢H"FqY(
môeÓmza`/{RøÎ¢AtZØ¼LD[môeG[š_RDG
¦F4IiWU
mA­ûdq]^ÍRT[B± p~[…_E41
<=)Uƒ:=
m`bOdq]^ÍRT[jyEY[…_49R
;;JJKE
mCÝR]^ÍRT[mCÝR[h_7M8
B-x1(
m‡B»Ðidkn`]^ÍRT[m‡B»Ð[{_RBL
DF'˜-&
m‡þOU‡Mdkn`]^ÍRT[m‡þOUD[‚_7V7
;F"V€>;
m‡©úøA^ÍRT[m‡©úL[y_RDV
B[M/»3
m‡·ÓA^ÍRT[m‡·G[y_DGG
?bVÀSW
m‡p~Ø`½idkn`]^ÍRT[m‡p~Ø`½[¶_D81
9MOA~-A
m‡˜D’]^ÍRT[m‡˜D’[Æ_mD
AK)#‹-:
m‡Oyidkn`]^ÍRT[m‡Oy[_RDK
8GE}->
m‡€¾R]^ÍRT[KeÛÝN[“_“2
:?TP~PG
m‡lE›RA^rgD[›Y‚Ñoj[¥_40I
¡E<1r%1
m‡¸NÓmza`]^ÍRT[m‡¸NG[¶_RGK
œJA4z;$
mDDeÓmza`]^ÍRT[mDDeG[{_RDD
DF<>˜/B
mDrg‡Mdkn`]^ÍRT[mDrgD[ë_1D8
;JQ6€=R
mDpÌ‰Mdkn`]^ÍRT[mDpÌS[{_mI
B@#%“&M
mD‰R£ ¤ÊH µF‰A^ÍRT[sTcP€£[\_68D
DK2F“CA
mDlavhù]^Ø¼LD[mDlavhSNøHdTÑoj[`_HUA
Ÿ@FItG#
mD¸NÓA^ÍRT[JOBl†N[NJ_2N6
§FChG9
mD¿«Ø`½idkn`]^ÍRT[mD¿«Ø`½[¶_RWF
8J>O}"U
mË ¤ÊH]^ÍRT[Yg˜W²eE[‘_I92
DJS<‘HM
mËj Mdkn`]^ÍRT[mËjY[{_O32
CBF.•9"
mË³}ÓMdkn`]^ÍRT[mË³}G[¸_C35
žI=?wY
mgFOOp~]^ÍRT[TnÝNúLj[é_0M2
žB:=w2M
m•vA^ÍRT[MdC¼[e_7I2
¡F'1s1&
m‘-HoLúEW OF ÙÏÎþhÎdq]^ÍRT[ÙûJO£[{_RHV
DC1X—O)
m±jØ¼LD[šLù¤[š_58N
¦F/*j@C
m®Ridkn`]^ÍRT[m®R[¶_52Y
›M"#{TL
mN‚RØ¼LD/Õ«pÌidkn`]^ÍRT[Õ«pÌ[§_GLD
=E4-ƒGU
mNO/lŽ‡A^ÍRT[mNO[NV_RTS
DEF#•RA
mNO/veTc×TIa`]^ÍRT[mNO[NV_RNO
DE;W•L#
mý£pcbOdq]^ÍRT[TwY[Å_5B7
¨HG<g@N
mÏaidkn`]^ÍRT[mÏa[›_RÏ
FM;A˜*W
mPUBªC]^ÍRT[öRˆNGÒj[Å_FRG
¨FIKg6N
m£R¾]^ÍRT[m£R¾[NM_T16
@?GFŠQ
mX÷RG-ŸDxabOdq]^ÍRT[mX÷RG[‘_RXE
BIP N0
RHegf©R/aE‘Îdq]^ÍRT[RHegf©R[¸_RHI
žKCQw:
R© xpÌ TF ºEs eTc×TIa`]^ÍRT[Pwú©ÊE[€_PVD
©GI2e7F
R®iŽ·W‰A^ÍRT[R®[…_T76
:?&W;L
€° p~ mza`/{RL'‰rgD[€° p~[¸_RPD
œK7*yL6
€uh‡h|}Ø¼LD[öYÚTE[`_M95
ž?H?uNU
€uh‡BÜg’ÃûA^ÍRT[T¿ÜhÉRS[¶_TWM
M WyJI
€uh‡B Rµ£Lømza` -êÜ Ý¹R‰rgD[w®[­_RMG
 @3$s'=
€uh‡·WNeÓA^ÍRT[žOCÝN[¥_I40
£F0CoQ'
€uh‡I”aÓA^ÍRT[SUó€\[¸_SUW
œLG5z#G
€uE A^ÍRT[€uEY[Æ_7U8
?MCA‡"L
€urg‡Mdkn`]^ÍRT[€urgD[¨_€F
ADJ!Ž$$
€upÌ]^ÍRT[€upÌbsTc[¸_93C
I/x/T
€upÌ]^ÍRT[€upÌ[›_RLD
EL02•0-
€upÌidkn`]^ÍRT[€upÌ[Š_Š1
›CR<z6;
€uŠÌ]^ÍRT[¹l KeÛÝN[€_08R
©G;4eC,
€uŠÌbOdq]^ÍRT[wŒeGÁM[Ê_RCZ
¤@S;mKA
€uŠÌ àä¨I¾/u•Tcrg‡dq]^ÍRT[€uŠÌ[ã_FCI
¥C65k=;
€uŠÌØ¼LD[ºEÕá[ˆ_69G
¢H8=r!R
€uŠÌ eTc×TIa`]^ÍRT[€uŠÌ[ã_€C
¥C<1k1)
€uŠÌidkn`]^ÍRT[€uŠÌ[e_€D
¡EK4rP@
€uÝN-óRábOdq]^ÍRT[€uÝN[Ö_M59
=1vV$
€u¿«idkn`]^ÍRT[€u¿«[WV_3I4
¤D-<nE#
€ŒÜµBf‡ƒho˜ eTc×TIa`]^ÍRT[ƒho˜[…_ƒA
<A+(ƒH3
€ŒsBAŒc eTc×TIa`]^ÍRT[»¡µ[¥_LŒ
¢ENPpUF
€DDkîrgD[Èon³}G[Æ_U05
CL1 01
€D’pÌ-þAU© ©f]^ÍRT[€D’pÌ[â_3J1
£>;OnYA
€¦v­Rrg‡dq]^ÍRT[€¦E[_€L
@E=B‰IG
€GB A^ÍRT[€GBY[‘_U56
BID@UK
€O ºf©b´ Mdkn`]^ÍRT[€O ºf©b´Y[…_67R
;879€PL
€O ªÌÎA^ÍRT[€O ªÌA[{_L36
DDF<—8J
€Oßxidkn`]^ÍRT[€Oßx[{_O88
DD)B—H+
€Pj A^ÍRT[€PjY[Ö_25M
ž@I4wS
€¾RØ`½]^ÍRT[ƒho˜[…_H81
<A"SƒK3
€¾R ¤ÊH mÃRA^ÍRT[€¾R ¤ÊH[¦_2RR
¢9LLo*,
€¾Rñ©]^ÍRT[€¾Rñ©[{_¤L
B?W%“8H
€¾RúEW]^ÍRT[Jsxa[ˆ_08C
¡HV*sN3
wf“vMdkn` s˜vA^ÍRT[wf“E[`_7A5
 ?%Ms42
wf“E/BpŒ³}Ómza`ü¿«RÞØ¼Lò]^ÍRT[wf“E[ã_wA
¤C1>mX>
wBBe‰rgD[aEa[`_20A
Ÿ?X/t4O
wÿN-«]^ÍRT[B± ¤P‘S[ˆ_RQB
¡II4s<1
wÿRF S¸NN¼]^ÍRT[fDmWS[â_ÈH
¤?9$m=@
wÿRº‹]Rù]^Ø¼LD[F\«üKojs)[…_ºK
:=" OJ
wÿR‚W˜ûrgD[HdTeÀa[WV_I41
£D97p0P
wÿR«E­h‡rgD[KeDmD[Ì_K74
:LDU~YV
wÿRR ¹L½êR]^ÍRT[»¡µ[…_66R
9;D;~<W
wÿR‰~RR]^ÍRT[ÍTŽU[“_RKR
8A0|C/
wÿRñBj A^ÍRT[£L®R[é_SZY
žA*)v;T
wÿRT/ÉB/C}Txiœ\øA^ÍRT[NO\úK[y_D76
@`O!¿2
wÿRT‰rgD/mDŠÌidkn`]^ÍRT[mDŠÌ[\_RDM
EJ--—'
wÿRTÃûrgD[PpeúLj[C 4B8
¨GG4fQS
wÿRTÃûrgD[pNG·N[Ì_D55
;NK)€5D
wÿRTÃûrgD[€uŠÌ[ˆ_D99
£HN pEA
wBe‰AFB]^ÍRT[›R‚R wBeS[­_WRB
¡>D7qA=
wBeÃûA^ÍRT[¾ãY[e_8I1
¡DGFs)T
wBeÃûhù]^Ø¼L‡({ð wBeÃN)]^ÍRT[{ð wBeÃN/ª—j wŒ[h_RBM
›@POz0
wuvÁRÉR £APp‚”„E[wuvÁRÉR[›_W39
FNB;™'A
wugjidkn`/K\´ZØ¼LD[wugj[o_RPJ
žGS@w"M
wu•Tc eTc×TIa`]^ÍRT[wu•Tc[¶_Rl
œIT<z<
wŒbOdq]^ÍRT[B„£—[‚_Rÿ
;H@.@(
wŒbm¯]^ÍRT[þeÝN[Æ_RC0
CLIDE9
wŒÜoL/Y\îdq/BáfrgD[wŒÜoL[â_UZA
£@Y.o!8
wŒ ¤P‘‰Mdkn`]^ÍRT[wŒ ¤P‘S[_RRQ
9I9&~(M
wŒF\‡Mdkn`]^ÍRT[wŒF\D[‘_2U4
BI)4Ž=U
wŒei]^ÍRT[ÄepN[…_T14
9>W'~#K
wŒeÓøA^ÍRT[ÃN\A[…_11T
;<46‚)7
wŒeGÁMbOdq Ê žo¥]^ÍRT[m‘Ñoj[Ê_ñF
¤B8,mQ"
wŒ¹LøC´ Mdkn`]^ÍRT[wŒ¹LøC´Y[_2Y4
8H5.|C&
wŒ¿«idkn`]^ÍRT[wŒ¿«[é_RKW
¡AU2rG5
wŒ ŠdT/¸½a mza`]^ÍRT[wŒ ŠdT[Ê_R¸
¥AQ5kS=
wŒ ŠdeiÚw]^ÍRT[©N¾R[_BJC
?ET>‡% 
w’Ri DmYciœ\øA^ÍRT[ÕNZ`•[…_T20
:;=K9Q
w’R‰àä¨I¾ -bhTcØ¼LD[w’RS[h_wG
8B43|$7
w’R‰rgD[u•Tc[{_O05
DF.V—,:
wGUvãLj eTc×TIa`/®DF\‡A^ÍRT[®DF\D[\_MFR
EH4<˜R6
wH‚RúLj]^ÍRT[F\TdA[{_FOT
EF?,š%X
wj—vA^ÍRT[wj—E[Ì_2H9
<NFQ)
wLp ·WÏ†ûA^ÍRT[wLp[Š_K07
œCV&yNO
wLpidkn`/jah‡KmuØ¼LD[wLp[Ì_06D
<NS"C-
wLp ÏøA^ÍRT[wLp/úuY[Š_úH
œD%EyL(
wLj]^rgD[Ùû»x[ç_44A
A><YGT
w® ltvA^ÍRT[w®[\_mO
DH@F“S&
w®O ltvA^ÍRT[w®O[ˆ_D98
£HMMpX9
w×L‡mA­û›žeÀa ÏøA^ÍRT[›žeÀa[DC_D{
¦DQ#k .
w×ûA^ÍRT[w×N[Æ_7S0
DM@ $"
w“vrgD[mFåIO[…_RFG
::/K1?
w“‰dq mza`]^ÍRT[lOŒÝN[§_RCP
;E2N0/
wO£¾L®Š€`]^ÍRT[›RM ¢€NÛ[­_5A9
 >V1rGM
wO£¾LMdkn`]^ÍRT[wO£¾LT[¨_74V
AF.HŒ!#
wOlcúLj]^ÍRT[ªÿRq[Š_0N0
8E/5|8?
wÙªÎMdkn`]^ÍRT[wÙªA[›_72S
EM,*“7/
wÙŠÌ ™YšRîA^ÍRT[wÙŠÌ[{_L00
B@R,”*2
wÙâHI]^²hK[Sˆ|[NV_N59
CDP4•20
wâOvrgD[óýAp[¦_82J
ž<5Tu2V
wâOvT}‚R]^ÍRT[€ÏH[Ö_CRX
ž@TTvB+
wâOMŠûýcãTIa]^ÍRT[wâOMŠN[ˆ_3RC
¢J:7r?O
wâOMŠûdq/B˜D’—iœ\øA^ÍRT[åHÝûp~[ˆ_HTL
¢J3BrF(
w£ ÄhTZ ¤ÊH]^ÍRT[lA’Au[NV_N49
DE2Y•:8
w£AUidkn`/RUD BoLÿRÓrgD[w£AU[¶_wX
9NQ5}GO
w£÷‡ñOUX T€B`]^ÍRT[w£÷D[ë_SUO
<I-<‚Q@
w£÷RÓmza`]^ÍRT[w£÷RG[\_RBG
EI,4™33
w£C¤ýiœ\øA^ÍRT[lêO£È[Š_lJ
8EL1|TA
wS‰dq]^ÍRT[uoª|E[¥_RZT
¢E88q5
wS‰eTc×TIa`]^ÍRT[S¹Úº„S[Æ_7S8
CNYUXH
wS£—¼]^ÍRT[ŸÊH•Tc[ˆ_75G
¢H)HrQ
wl¤¾R]^ÍRT[ŠNa­HgA[š_FWQ
¤F*AmOS
wS¹LøA^bsTc]^ÍRT[wS¹LL[NM_wW
>?0†=L
wåH €¾R ltvšRîA^ÍRT[öL½-OF-wåH[K  2I3
 CBAt<8
wd‡p~]^ÍRT[wd‡p~[Å_W57
¨HURgL-
wd‡ãLj A^ÍRT[¾˜[{_O09
DEM8™-Y
wdìP]^ÍRT[wdìP[Æ_RPX
AL:<Š>B
w v¤ A^ÍRT[B‹OU p”tm[`_5R7
ž<91v*F
w H}‡®Š€`]^ÍRT[Š×Áý[…_E01
==@W„T?
w O—siœ\øA^rgD[¾RÙojS[Š_3VS
›D7HzR=
w ¸LX]^ÍRT[utOM[`_5R1
ž=9$v)F
wY`ÝûA^ÍRT[­¢\T[Å_9G5
¦I(Ul?:
RUB A^ÍRT[RUBY[y_RBY
C^ID¹:*
RUB ãLj rgD[T¸ûB€D’S[Æ_RVF
CK>%Ž0&
RUÚc]^rgD[šLù¤[Š_93M
œEPWyAG
RåB Mdkn`]^ÍRT[RåBY[Ì_Rå
<N57‚9
RUH•]^ÍRT[jnñC[¥_R47
¢G$)r!%
R¬Ôoj-DmW]^ÍRT[DmW[Ö_M37
?LAx=<
RµHb´ mza`]^ÍRT[RµHb´Y[¶_wS
›KGPzW&
RµHbOdq]^ÍRT[pbwS£[§_K94
;D>O/5
RµHF\‡Mdkn`/wÿRW”d~Ø¼LD[RµHF\D[¶_55Y
œINWyON
Rµîdq]^ÍRT[pDYSˆ|[¸_RCX
K;Ny
Rµîdq]^ÍRT[Hs©RÃN[…_Rr
8>&<|Q$
Rµ£Lødq]^ÍRT[õ®l†N[K  K24
 CAs$(
Rµ£LøMdkn`]^ÍRT[Rµ£LL[§_RSL
;DR/€NH
Rµ£LLúLj mza`]^ÍRT[Rµ£LLúLj[h_RUE
›A-?{#?
Rµ£LLúLj-˜­ûdq]^ÍRT[Rµ£LLúLj[K  4M7
ŸBMYtNE
RµñfØpA^ÍRT[RµñfØpT[Æ_M42
BLI:Œ7"
Rµñfixña]^ÍRT[Rµñfixña[y_Rž
@[L<¿1(
RµÝûmza`]^ÍRT[RµÝN[p_RSN
›><NzA0
R¨H]^ÍRT[R¨H[{_T42
DF*G™/R
R¨HcF\‡dq/ŸRuŸûrgD[R¨HcF\DÝN[Ê_FQD
¢A7HoV$
R¨pÌ/Ã¨Hcû¾RŠÏ mza`]^ÍRT[R¨pÌ[V R¨
¨I=MfVY
RWJ]^šRK[B‹ÝWN[…_54T
8;KI|PT
áfØ¼LD[TUCÃN[ç_áN
@>&>(:
áE­TvA^ÍRT[áE­TE[Æ_8U0
AL/8‹,R
Ùÿ|ÎMdkn`]^ÍRT[Ùÿ|A[§_K83
9ET2}LB
ÙBm]Rù]^Ø¼L‡(F\{ðÿLL)]^ÍRT[F\{ðÿLø(þh§úLj)[é_E«
ŸB@"u:S
ÙCb´ Mdkn`]^ÍRT[ÙCb´Y[_™I
8H4K|XM
ÙC¤®ÏO àä¨I¾]^ÍRT[ÙC¤®ÏO[{_ÙC
DD<L—;B
ÙC¤®ÏO eTc×TIa`]^ÍRT[ÙC¤®ÏO[{_SMF
DDGJ—A9
ÙC¤®ÏOitHc]^ÍRT[ÙC¤®ÏO[{_MHR
DD?1—/P
ÙÐ\‡mza`/1Lìfv¢`³} rgD[ÙÐ\D[ç_ÙD
@>Q*‹D$
Ùz×WbOdq/H W”wW‚]^ÍRT[Ùz×W[ˆ_HYX
¢I8qQJ
ÙGUAuvMdkn`]^ÍRT[ÙGUAuE[_04V
?D#Xˆ(:
Ùp·]^ÍRT[Ùp·[…_2…
:<U,>6
ÙjM]^šRK[ÙjM[¥_38D
¤FVSnQI
ÙjM]^ÍRT[ÙjM[h_7M9
œB33yOQ
ÙjMiœ\øA^ÍRT[ÙjM[Š_K33
œCBUyB.
ÙjMidkn`]^ÍRT[ÙjM[e_I83
 DB-t'&
ÙjM-jŒw‚]^ÍRT[ÙjM[o_S˜
žDD@vWQ
ÙªÒ/ÁR€Ú`àf©RØ¼LD[ÙªÒ[_fK
?D>0ˆ U
Ùª× mza`]^ÍRT[Ùª×[§_SLN
:DM8E&
Ùª×-GdNxa]^ÍRT[Ùª×[¨_44U
AEKP0
Ùª×‰Mdkn`]^ÍRT[Ùª×S[{_Sý
CBEK—B8
Ùª‚bOdq mza`]^ÍRT[ÿÏa[h_SUZ
›@A7z:L
Ùª³}Y-O°fb´ ¸ˆ mza`]^ÍRT[Ùª³}Y[M‡ ³Y
¦D27i<@
ÙLªÙWidkn`]^ÍRT[ÙLªÙW[“_JÑ
8A80|N)
ÙLï ¿Ð\‡A^ÍRT[¹ec[h_8M2
œAA7xTO
ÙLŠûBh]^ÍRT[I¶AÁ[\_O48
DKQC’MR
ÙLŠûp~]^ÍRT[ÙLŠûp~[y_Z81
>^T>ÃS
ÙLŠû€¾R]^rgD[ŸRLÉwåH[C 9B8
¨GA4f8>
ÙLp~b´ eTc×TIa`]^ÍRT[ÙLp~b´Y[¨_SLC
BFM0XF
ÙLÝû£ÎA^ÍRT[ÙLÝûC´Y[{_ÙS
B?,:‘W'
Ù»ÒbOdq]^ÍRT[Ù»Ò[â_6J4
¢?UBoMG
ÙM €GÛ]^šRK[þhœ\E[“_K11
9B+#}E%
ÙŠÎrgD[E}¯A[{_O33
EFLQš*J
ÙÖhÓrgD[FcNjY[NV_N58
DE?A•,@
ÙMUg‰rgD[BhDl†N[K ”á
 CNRs;Y
Ùûf’˜ mza`/Ÿ|xØ¼LD[Ùûf’˜[…_SJT
<=3:‚;M
ÙûfÝNIO eTc×TIa`]^ÍRT[ÙûfÝNIO[…_ÙT
:;> €:'
ÙûAåµTevdq]^ÍRT[ÙûAåµTeE[…_78R
8=>8|(*
ÙûÿR×RDeO eTc×TIa`]^ÍRT[ÙûÿR×RDeO[{_³D
B@#I“,$
Ùû{R˜‰A^ÍRT[Ùû{R˜S[{_SQL
DC<I˜,X
Ùû{R˜‰AšuvA^ÍRT[G˜ÿ[ç_P13
@?3)ŒF 
ÙûþœsTvxpÌ ×LF]^ÍRT[ÙûþœsTvxpÌ[{_NUC
B?4”A1
ÙûD¼Õ eTc×TIa`]^ÍRT[ÙûD¼Õ[{_ÙN
B>J“)5
ÙûF¤Êx eTc×TIa`]^ÍRT[ÙûF¤Êx[{_SFO
DCC&˜4>
Ùû­B€gß`j A^ÍRT[giaTE[{_œT
B@#(” #
Ùû’wNIŠ]^šRK[ÙûfÝNIO[…_8T8
;;<C€MT
Ùû»x OBxÍbOdq mza`]^ÍRT[Ùû»x OBxÍ[{_³P
CA,,–D?
Ùû»xß`j mza`/ÿRGŸûrgD[`ƒOÙ[_`S
?C8$‡R"
ÙûŸNUg]^ÍRT[ÙûŸNUg[ç_E77
@>D)ŒDP
ÙûŸR‰mza`]^ÍRT[AµTe[…_HYI
:;S@QM
ÙûŸRTe]^ÍRT[ÙûŸRTe[{_E16
DC"T—AO
ÙûNk„ xpÌ NF]^ÍRT[ÙûNk„ xpÌ[{_ýI
B?,5•9<
ÙûÙBÎdqidkn`]^ÍRT[ÙûÙBA[…_81R
;=,'€I"
ÙÌ²OeA^ÍRT[ÙÌ²OeT[y_ëP
AU0O¾=/
ÙÌ ¢€NÛ l€P[ÙÌ ¢€NÛ[Æ_8U1
AM$-‰<)
ÙÌcÃûrgD[žgÝN[›_žN
FM,™&Q
ÙÌ]^šRî•T• Žl]^ÍRT[Ë’¿«[NM_1N1
?A#Gˆ'R
ÙÌÍeA^ÍRT[ÙÌÍeT[‘_SZT
EN/X’?C
ÙÌµK C´ A^ÍRT[ÙÌµKY[ˆ_Y83
£I92pP<
ÙÌµK dq mza`]^ÍRT[FmŠÏ[¥_S24
¢G/Kq ,
ÙÌ €¾R]^ÍRT[ÙÌY[\_03S
EK6$˜+I
ÙNF\‡£A„mza`]^ÍRT[ÙNF\D[®_SFM
©I5DdH;
ÙNóTvdq mza`]^ÍRT[ŸÏI[¨_41U
AE1SBK
ÙÏÎBhBhÎMdkn`]^ÍRT[ÙÏÎBhBhA[{_³A
C@7@•P;
ÙÏÎFvmza`]^ÍRT[ÙÏÎFE[NM_ÙF
?AC ˆ#4
ÙÏÎŸ€ÎPUB/{PÓ`pûÁÊOŒØ¼LD[ÙÏÎŸ€A[{_SMX
C@T–9;
ÙÏÎŠNkÎMdkn`]^ÍRT[ÙÏÎŠNkA[{_SŠ
B@W”9#
ÙÏÎš¬ÎA^ÍRT[ÙÏÎš¬A[{_SZP
C@2O•!H
ÙÏÎwÙ NF]^ÍRT[ˆLÝN[¦_NÛ
Ÿ<BBtV4
ÙÏÎwÙ w¨v66]^ÍRT[ÙÏÎwÙ[NM_SXU
>@V&†D?
ÙÏÎY‚Z/KdKjØ¼LD[ÙÏÎY‚Z[{_IZA
C@B7–">
ÙÏEvOóR mza`]^ÍRT[ŸNNeG[â_¶I
£?A,n*=
ÙÏMêdCTIa ltvA^ÍRT[ÙÏMêdCTIa[\_8S3
EJ8"—V>
Ù¤Ã/B¤©Ïa eTc×TIa`]^ÍRT[Ù¤Ã/B¤©Ïa[¦_SRQ
¡95Jp?.
Ù¤Ý­bOdq]^ÍRT[Ù¤Ý­ ¢€NÛ[Å_5B2
¨I!!gQH
ÙR’Ïidkn`]^ÍRT[ÙR’Ï[‚_09K
;GD$2>
ÙÏÎMdkn`]^ÍRT[ÙÏA[§_1K9
<C96‚Y#
ÙUî°Ïmidkn`]^ÍRT[ÙUî°Ïm[¶_D39
8KH6|V
ÙUK/P¤^¼]^ÍRT[P¤^¼ ì ÙC[¸_91C
žI/RwK3
Ù¬lvŸ€vMdkn`/ÙÌcÃûrgD[Ù¬lvŸ€E[ˆ_fJ
¢L:Kr4$
Ùã’Ø¼LD[ƒckfØ`½[‘_U01
BHMPŽO=
ÙãN×H-ÁRDebOdq]^ÍRT[ÙãN×H[é_SNH
žA(+v+
ÙãN×H/HoÝûHŽ‡eTc×TIa`]^ÍRT[ÙãN×H[­_ÙV
¢>%Eo*&
ÙVOa­]^ÍRT[ÙVOa­[y_ÑA
<]G)È;A
ÙWYcbOdq]^ÍRT[ÁY›RD[¸_HYR
L=y8E
ÙYmidkn`]^ÍRT[ÙYm[“_3O4
;A("E:
âƒŠûB‹]^ÍRT[âƒŠûB‹[y_âM
>[PFÃ@8
âAPÍO£]^ÍRT[âAPÍO£[\_¢B
FKL.˜QI
âÁFc /µFS/]^ÍRT[âÁFc[Æ_8U2
CN"M,H
âÁÞ÷RÓmza`]^ÍRT[ukAÕ/âÁÞ÷RG[o_06C
ŸGY4v$"
âHsŒØ¼LD[þheÒ[_kL
8FI2}B
âHsäD dq]^ÍRT[âHsäDY[Å_âH
¨HQ(gUL
âHIÐc]Cm‰A^ÍRT[lê¥ý[ˆ_3S5
¢I (r8!
âj‰eTc×TIa`]­L¾la]^ÍRT[­L¾la[…_G½
8;-U|QD
âC¤Fdq]^ÍRT[ŸNxTIÄE[ˆ_xQ
¡KX;t(1
âHwa p~]^ÍRT[âHwa p~[Å_4B7
¨IQKgJ8
âHUY-RµH]^ÍRT[RµHúLj[o_5K4
F%!xA7
âHUYLKoødq/JOvZcÿ A^ÍRT[Í—Ñoj[š_Zc
¦FH6j48
âOÿ A^ÍRT[âOÿY[Æ_9S2
@NN:‡84
âOÿ ÉR©R ltIa/Žl²OPpR eTc×TIa`]^ÍRT[âOÿY[Æ_8U3
@NYX‡6
âO—]FB/ˆÒ®€{ l ˜Ux]^ÍRT[ÿLjúLj[o_BLV
D>IwP%
âO—]^ÍRT[L»pH[p_M80
œ>6Yy&V
âO—b´ Mdkn`]^ÍRT[âO—b´Y[§_TQK
<D:<‚S"
âO—Ø¼LD[ŸNGÞ[“_2K4
;@S?=H
âO—idkn`]^ÍRT[aE‘A[é_âX
¡B92rA'
âO—ß`j A^ÍRT[F\Ja•[{_A30
EG?:˜Q0
âO—³»Ð/¹lcû‚B¤™Îmza`/WM”ÜEo±Ø¼LD[âO—³»Ð[‚_BÐ
>GR9…AJ
âO—³\Oidkn`-¿R‡rgD[âO—³\O[`_4A6
 @G1t3
âO—ë`vA^ÍRT[âO—ë`E[ç_ëL
A?C4TD
â€B‚R ltvA^ÍRT[â€B‚R[‚_âB
9GBE~CM
£ƒf‰rgD[öCÝáúLj[š_9N3
§GA4iK4
£huªGHA^ÍRT[£huªGHT[NV_1L3
BA8FT@
£hC dq]^ÍRT[ŸRž`L[h_4A5
›ASUzE5
£hC mza`]^ÍRT[£hCY[h_SRC
œA*DyJ-
£hjØ¼LD[O­Lpp[‚_O­
=G%(ƒL)
£„‘vMdkn`]^ÍRT[£„‘E[\_56S
FLT™T:
£tTj²Aevrg‡eTc×TIa`]^ÍRT[ÔcÚT[›_šE
FMT,˜.Q
£tTj-Ÿ eTc×TIa`]^ÍRT[£tTj[›_£A
FM9˜0H
£B„TûMdkn`]^ÍRT[£B„TN[¦_X26
¢9NNn;J
£ÿ›eÓÝWýHn]^ÍRT[£ÿ›eG[ˆ_98G
¢IILq9O
£B€NÓmza`]^ÍRT[£B€NG[¦_£F
¢995o2?
£ÒªÎmza`]^ÍRT[£ÒªA[Š_DŠ
›DH9{(?
£ÒûC´ A^ÍRT[£ÒN[§_61K
9C&T~)%
£·×]^ÍRT[£·×[ç_£Z
A@PUM0
£gE p~]^ÍRT[£gE p~[Æ_23S
CM(U8I
£­R‰rgD[IUæ[Ö_15M
ž@L6v'X
£oeÓA^ÍRT[£oeG[“_1S4
;B'1€V
£KIU]^ÍRT[£KIU[›_11S
FN-Xš0P
£p¸îA^ÍRT[£p¸K[y_WLK
@`B½Y'
£L·úÎA^ÍRT[£L·úA[y_ÃV
DY8DµH0
£LF€D’]NGB]^ÍRT[ŠdþœsS[ˆ_ÆC
£HBKpP+
£LF‰A^ÍRT[ŸR§[Ö_MÖ
@+Sx/4
£ªGŸûA^ÍRT[£ªGŸN[ç_P23
AA2$ŽS)
£L½]^ÍRT[£L½[ç_E78
@=UWSE
£LŸ]^ÍRT[£LŸ[{_0Q4
CB@R•E7
£ˆNvMdkn`]^ÍRT[£ˆNE[“_Sm
9A.:~F=
£‚{bOdq]^ÍRT[TIÐe[¥_16G
¢G#Eq*K
£‚{idkn`]^ÍRT[£‚{[§_62K
9EPQ~%
£ÄIMß`j A^ÍRT[£ÄIM[›_W28
FN#S™)/
£ÄOØ¼LD[úÙªA[{_D86
CB8S•1%
£›R‡A^ÍRT[£›RD[y_SWD
EZ%N³7
£›R‡Mdkn`]^ÍRT[£›RD[‚_SWT
:FQS$?
£YŠ}ê¥ýa]FB]^ÍRT[ÕLD³\O[Ê_ÛB
¥A24kWD
£YŠ}idkn`]^ÍRT[£YŠ}[…_60F
;?DU-G
SÀ jvRµ£Lø{RwLødq]^ÍRT[HdTeG·N[é_HZD
žB#3v9N
žô ACm‰A^ÍRT[¢fA›Y[›_3B8
FM"+˜4.
žô p‚]^ÍRT[lê¥ý[ˆ_M99
¢I!Fr>T
žô pWûrgD[BfNxTc[ˆ_4M4
¢I%Ir4S
žAFTc-ˆÏcØ¼LD[žAFTc[{_ˆT
CA<9•)>
žA’»îA^ÍRT[žA’»K[y_žX
A\G>½@'
žyÝIîA^ÍRT[žyÝIK[y_2C7
@^4.¿+8
ž`ZØ¼LD[LBY[§_CBK
<E7Eƒ N
žƒwŒidkn`]^ÍRT[žƒwŒ[…_2F1
<A,#‚)%
žfîûBfîA^ÍRT[p ›RD[…_…0
9:J6~:#
žfNa]^ÍRT[Fm©€Œ³}G[ã_EZF
¥D.k8W
žha]^ÍRT[žha ¢€NÛ[Å_K31
¨HLHh@F
žhPbOdq mza`]^ÍRT[„HØpT[h_CVK
œB-Ty?L
žAW]FB]^ÍRT[SÞTc[â_Sâ
£?X4n:,
žA›NOidkn`]^ÍRT[žA›NO[¸_EZS
ŸJM,v?B
žAW‚vrgD[B˜OMrgD[e_1I3
ŸE @u(
žAW‚vmza`]^ÍRT[žAW‚E[“_SNL
:A38~V@
žŽmR /µFS/]^ÍRT[žŽmR[‘_2U5
DKY4P;
žEÉY­ûdqiœ\øeTc×TIa`]^ÍRT[žEÉY­N[¸_³M
ŸIL)uQ$
žEEPiOde]^ÍRT[žEEPiOde[y_SMU
F[NG±<?
žg÷R‚]^ÍRT[žg÷R‚[VßT8
¨J3Cg+A
žgB A^ÍRT[žgBY[Æ_³X
CN>8R/
žgB AUXoáØ¼L‡avA^ÍRT[{ð žgBY[Ö_ž1
=*2w(@
žgB MMd´ A^ÍRT[žgBY[¥_12G
£FR4pGQ
žgB dq]^ÍRT[žgBYúLj[o_2H0
žE6GvPJ
žgB dq]^ÍRT[žgBYúLj[Š_6K2
œENKz!
žgB dq]^ÍRT[`–„Tc[`_EÚ
Ÿ?(FtM
žgBY-þÔgf‡dq mza`]^ÍRT[žgBY[Ê_E
£A-3oB!
žgBYúLjidkn`]^ÍRT[žgBYúLj[e_’Z
 E@YsN/
žg·ûmza`]^ÍRT[žg·N[_žL
9I*<}P
žgøCm¯]^šRK[Pd ÕRÒ[¦_F13
¢8X%oTY
žgøp~idkn`]^ÍRT[žgøp~[¸_SSQ
œKISyU,
žgTcbO¾]^ÍRT[žgTcbO¾[{_0Q5
EFGš":
žsf·AHidkn`]^ÍRT[žsf·AH[_ëA
9FK$}6O
žsf·AHß`j mza`]^ÍRT[lAdÝN/›Y‚³\O/ÁR€ÃN÷RG[ã_žD
¥D-PlSM
žEPšR‡AFB/¸u´ÎöL½idkn`]^ÍRT[¸u´ÎöL½[…_¢S
;?Y2€;=
žc-¿«]^ÍRT[PjÏY¿«[Æ_PWD
?NM8†=7
žc‘f]^ÍRT[žc‘f[e_5I4
 F(Gt+
žc‘fbOdq]^ÍRT[žc‘f[W  žR
@JL'ˆXO
žc‘f-ºfdq mza`]^ÍRT[žc‘f[h_9M8
›@1Ez3#
žcŸûhù]^Ø¼LD[F\jA¾N¿R|[§_¦V
8E4!|TR
žcŸûMdkn`]^ÍRT[žcŸN[…_S¸
9?C9~A(
žI¦ÚØ¼LD[Ÿ€a[Ê_9A9
¢AI,pA
žIOCÝûA^ÍRT[žIOCÝN[¸_W34
ŸJ92v?F
žnwŒ]^l€P[žnwŒ[NM_5V5
@BGRŠH"
žxHŸmF]^ÍRT[žxHŸmF[y_žH
=`,XÄ#4
žI¾ïØ¼LD[Ù¤Ý­[W  ÙA
@G8CˆOE
žO•T€NÓAútIa]^rgD[lE›RTl†N[š_0P2
¦EMMjDM
žOžavA^ÍRT[žOžaE[{_L61
BAX%’.'
žOžavdq]^ÍRT[~L˜GG[‘_S83
DM>P’)3
žOžaIidkn`]^ÍRT[žOžaI[W  49U
@I-!Š%1
ž† ˜W mza`]^ÍRT[ž† ˜W[ç_ÃW
@@-VŒ2
žm¾ÍR·WÏ†ûA^ÍRT[žm¾ÍRT[p_Dé
8>>9{JD
žm¾ÍRmza`]^ÍRT[žm¾ÍRT[p_žV
8>8M{O@
ždG×îA^ÍRT[ždG×K[y_žG
B`S/»'K
ñBj Mdkn`]^ÍRT[ñBjY[_xB
9I4(}KA
ñD‚ Mdkn`]^ÍRT[ñD‚Y[Å_N23
§H0'i6W
ñD‚ Mdkn`]^ÍRT[ñD‚Y[¥_âA
¡F,;r&R
ñD‚ Mdkn`/L˜Y‡WbhRØ¼LD[ñD‚Y[‚_SÅ
=G#Y„Y$
ñD‚ Pk~½Ø¼LD[»Ù[{_O08
DE(J—YB
ñD‚Y-€upÌ mza`]^ÍRT[ñD‚Y[Æ_ëY
?MH7†)?
ñc¤”pÊÎmza`]^ÍRT[RU‘OÃ[NM_SRR
>?9E‡=O
ñc¤ ™ šRîA^ÍRT[FmSNO[{_E79
CBP7•R(
ñc¤ßxidkn`-ªBB hù]^Ø¼LD[F\HUAuU{ ñc¤ßx[ç_FHU
@=A0Œ2F
ñc¤úLj ©h›Tc]^ÍRT[ñc¤úLj[{_O79
DE@S–3-
ñ~laiœ\øMdkn`]^ÍRT[ñ~la[Š_ñK
BSVw?H
ñjRb´ Mdkn`]^ÍRT[ñjRb´Y[Ê_âR
¤AH-m<-
ñjTZ”‹ ltvA^ÍRT[Gj‚©ûÿAu[\_S45
FJRBšI
ñL¾R p~Ø ‰l€P[ñL¾R p~[\_45S
EI$F—#E
ñL¾R ¢€NÛ]^ÍRT[ñL¾R ¢€NÛ[NV_¢Z
DE6)•-"
ñL¾R ¹l]^ÍRT[¹lþIÐE[_C08
?DN‡49
ñMŠý]Rù]^Ø¼LD[F\B¤GG[Ê_FBG
¤A%VlV%
ñÖ÷á]^ÍRT[ñÖ÷á[C 4B9
¨GTXfLC
ñÏa]^ÍRT[ñÏa[…_T69
:: 1>?
ñOUXbOdq mza`]^ÍRT[Ÿ}kE[_SXK
9HY'~'G
ñOUX ­TE›Y/B€Ó’‚¤ø÷‡Ò rgD[ñOUXb´Y[_SUX
9H6#~5"
ñ™IYOUbOdq]^ÍRT[ŠÏAGUE[{_ñY
EGLS˜:#
ñS£ÝûMdkn`]^ÍRT[ñS£ÝN[ë_8D3
:KF(~YC
ñlc‰ŽGj]^]^ÍRT[ñlcS[\_6K5
EJ0.—>3
ñTæ wŒ G¨¼RmZ]^ÍRT[ñTæ[y_ñT
HW O¥3F
ñTUîA^ÍRT[Yy¨t[y_A68
HY?(©<C
™Azmza`]^ÍRT[÷RªNÀa/Šd¾RNa[›_BVS
FN:,˜70
™AG› A^ÍRT[™AG›Y[y_SGY
IY9C¥1
™fŽTg•]cO Dw®]^ÍRT[™fŽTg•[Å_6B9
§HTPj89
™Ý“idkn`]^ÍRT[™Ý“[“_2F6
9B31~E
™¹Ï×]^ÍRT[™¹Ï×[y_™W
D[WXµ)I
™ ACm‰A^ÍRT[ˆLLBw“[Å_44N
¨GH9gJ/
™ ÁRÉR]^ÍRT[ì»|[¶_DYT
œLI2z F
™ Á¾ûA^ÍRT[s©RªN[Ì_5N4
:LCCC+
™ KeÓA^ÍRT[TcmÜA¨E[e_3I3
ŸE>Ru4D
™ ŸN\]^ÍRT[õŒÃNúLj[Ê_N22
¥@HEkA$
™ ŸN\]^ÍRT[P´Tl†N[NJ_N40
§F?WhXL
™ ¤ÊH]^ÍRT[ÙÌ ãLjY[NV_3L2
BAMA‘CA
™YDI¾bHkAÕ]^ÍRT[O—A›[o_8N2
žG5YvMD
™YÁ¾ûA^ÍRT[TdKÁNNOŒ[š_76N
§G=GiVK
™YÁ¾ûA^ÍRT[wu•Tc[NH_ÒW
©I/!dUL
™YÁ¾ûA^ÍRT[›Rmý÷RG[Š_RCM
›DM!{N(
™YKOˆž ltvA^ÍRT[™YKOˆž[›_S88
FMHE—23
™Yp‚]^ÍRT[ÔfÑoj[e_3Ô
ŸDIuAG
™YpRîA^šRK[›mµvÍeT[C 7B6
¨GUHf@A
™YpRîrgD[Kojs[…_oE
:=#'G)
™YšRîA^ÍRT[ÉdTIF¬[¨_BTF
BFR#UE
™YÍRA^ÍRT[R‚ªµ[\_4S4
FK@W™!(
™Y› •T•]^ÍRT[ŽÝû¤P‘S[ˆ_60G
¡HA rE#
™Y› ŸN\]^ÍRT[óhpÌ[…_T79
9;?2}1D
™Y¹l eC]^ÍRT[ˆDpÌ[…_7T7
<=Q0„"8
SpTvCm¯]^ÍRT[SpTvCm¯[‘_1S7
DKF0’03
SpTvRd]^ÍRT[¢s°R[WV_55I
£DLEo0C
SpTeÀa]^ÍRT[SpTeÀa[š_69N
§FKOiB/
SpYÝûMdkn`]^ÍRT[SpYÝN[¶_DVP
9IY*}LW
SjEP EYvMdkn`]^ÍRT[SjEP EYE[¶_Y58
8J,Y|HD
SjÚM¨vA^ÍRT[SjÚM¨E[y_SLQ
B[H »'W
Sª©LøA^ÍRT[Sª©LL[p_„D
<2MwO-
S»kvCm¯]^ÍRT[I¶AÁ[\_O68
DK8Q’A$
Sˆj Cm¯]^ÍRT[Sˆj Cm¯[‘_U87
CITJML
Sˆj J¥ýaidkn`/B„‰rgD[þhs·N[…_E34
<@TG‚R(
Sˆ|bsTcidkn`]^ÍRT[Sˆ|bsTc[§_K82
;EKK€MF
Sˆ|Ø¼LD[ñ˜ƒ ¢€NÛ[h_SLG
8B)=|;6
Sˆ|Ø¼LD[F\›Y‚[e_SMD
¡G&Bs'(
Sˆ|iOde p~]^ÍRT[Š‚[ã_W91
¤C$:mA?
Sˆ|²¤^¼]^ÍRT[P¤^¼[‘_2U0
CI;T‘>O
Sˆ| mYND‰A^ÍRT[¸ýÝûÙjM[Ê_eT
¤B&n+1
Sˆ|'‰eTc×TIa`]^ÍRT[žc€LL[h_99A
œ@64yW>
Sˆ|úLjb¤WF\‡Mdkn`]^ÍRT[Sˆ|úLj[…_84R
:<H(
Sˆ|úLjidkn`]^ÍRT[Sˆ|úLj[é_0A3
 AY&sN?
SŠ~ÝWûA^ÍRT[SŠ~ÝWN[š_S37
¦F <j*%
SùR×]^ÍRT[SùR×[©_38N
§E0+iA 
SùR×]^ÍRT[SùR×[é_MQY
ŸB>t=*
SÅ©R]^ÍRT[SÅ©R[“_4O1
;@CFP
ÃRwidkn`]^ÍRT[ÃRw[NM_aM
?@3ˆT)
ÃLÿRG/HdTc·ûA^ÍRT[môeÀa[NJ_N51
§F@XhJ*
ÃLD¼R”h µF‰A^ÍRT[ÃLD¼R”h[‘_85U
CK$N!
ÃL·éÎA^ÍRT[ÃL·éA[y_SXQ
DZ:=µ 5
Ã˜û¢€NÛidkn`]^ÍRT[Ã˜û¢€NÛ[¸_G
œL0SyNY
Ã®R£A^ÍRT[Ã®RúLj[NJ_SMQ
§FC@hF*
Ã®R£dq]^ÍRT[Ã®R£T[š_2G9
¥F 1mU
ÃNOŸ ™YšRîA^ÍRT[ÃNOŸ[{_0Q9
DD-9˜8"
ÃNOŸß`j A^ÍRT[âHgLúLj/ÃNOŸ[{_0Q3
DD+8˜8Y
ÃN\ÎMdkn`]^ÍRT[ÃN\A[…_ÃA
<<A&‚DU
Ã¨H]pBƒÎmza`]BoøÿÏaØ¼LD[fÒ»ñA[`_79J
Ÿ=0<t5>
Ã¨H]LBf A^ÍRT[Ã¨H”ÚHjHœ[Å_4B0
¨H?EgP 
Ã¨H]Ræý„ mza`]Õ«¸ûrgD[g ·¤·[h_gD
›?+.zNH
Ã¨H”s‡eTc×TIa`]^ÍRT[Ã¨H”sD[e_³N
 GH<t1 
Ã¨H”±Ü\ûdq]^ÍRT[ºEY÷LL[W  ’Y
AJ=#Š"Y
Ã¨H ºf‡p~ mza`]^ÍRT[~TuÞ[“_1K8
8B>M}O
Ã¨HÜA¾ûhŽ mza`]^ÍRT[Ã¨HÜA¾N[ˆ_L›
 H3#t-3
Ã¨Hêc£ mza`]^ÍRT[ŠdLï[NJ_ãY
§EV@hPK
Ã¨H pFO}uvjah‡ˆLjRêR]^ÍRT[­LªfO[p_­O
œ;8:x-F
Ã¨H p~pÌ]^ÍRT[p~pÌ[¦_X49
¢9Vp D
Ã¨H ×K‚îNR 2]^ÍRT[Ã¨H ×K‚K[y_WSN
BXH%»'
Ã¨H Oy‰Ac«w®[¸ÏcúLj[Ê_05N
¥A:Vk33
Ã¨H l²A¬idkn`/€uh‡v¦œeÓrgD[Ã¨H l²A¬[¶_SÛ
›JQ8{X
Ã¨H Tà„ eTc×TIa`]Ëe÷RÓA^ÍRT[Ëe÷RG[…_EBG
:88<€%2
Ã¨H Tà„ mza`]ÌO]^ÍRT[ÌO[…_H·
;;3?(E
Ã¨Hß`j mza`]^ÍRT[ÙLp~b´Y[¨_ÑR
BFC(Y@
Ã¨ÁR‡rgD[B¼ÿR[{_O55
DG&4—%9
Ã¨HB€D’idkn`]^ÍRT[Ã¨HB€D’[Ÿ_3B0
©H$"f 2
Ã¨HŽlb\ôO mza`]^ÍRT[pŸR[_pA
=D")„G1
Ã¨HŽl I†Îmza`]^ÍRT[÷RªNÀa[_BRL
FLYy%>
Ã¨Hcû{ªF\N ˜zlk‰A^ÍRT[úCÝRúLj[{_VCV
B@AJ“4X
Ã¨HcûCwS‰A^ÍRT[¸Lªƒl†N[NJ_C01
§EE2iR
Ã¨HcûoªNOx]^ÍRT[{RÉÌ`E/M}ÈY³\O[o_MDH
žCLGw-%
Ã¨Hcû›~ mza`]^ÍRT[¤j±H[Ê_5W5
¤AC+lH
Ã¨Hcû¹lß^zN mza`]^ÍRT[¸LªƒÃN[WV_EBD
£CFTp%1
Ã¨Hcû¸âañûmza`]^ÍRT[õ‚Ñoj[¸_JVL
žHC+w <
Ã¨HpÌØ¼LD[S¬È}[p_UXL
›<%S{4@
Ã¨H¹lØ˜€Ò eTc×TIa`]^ÍRT[F\ùcS[¦_RSW
¢8>(oK1
Ã¨H¹l ’\zÎmza`]^ÍRT[`BfY[­_–Y
¡=>&r)F
Ã¨H¹l »BÉŒ]^ÍRT[¿LÐ\|[…_T96
<?5D„B
Ã¨H¹likH±f mza`]^ÍRT[ÿÏaÜhÉR[ˆ_ÿH
 H%Ht7<
Ã¨H¹lie‚Ã mza`ihž`L/áfØ¼LD[ŸRž`L[¶_MML
9J9$}O:
Ã¨H¹l \EÕûmza`]^ÍRT[N\|”sD[\_O|
EI7š,O
Ã¨H¹l ›žeÀa mza`]^ÍRT[~½O[›_K½
FL%#˜ST
Ã¨H¹l WYOˆNÓmza`]^ÍRT[wŒ ¢€NÛ[W  R§
AGAE‹!U
¢A°bO„mza`]^ÍRT[T´µúLj[¦_TIX
¢:<SnMW
¢A°Ø˜€Ò pdu]Ì pÌeÓöCo´ A^ÍRT[T´µúLj[¦_—S
¢:BTnGF
¢fxHØ\îMdkn`/¿«µvrgD[¢fxHØ\K[¨_¢K
AF&HF"
¢fxH²Ž§]^rgD[›½s÷RG[_4V1
>CGN†M$
¢hmV¥ûLRR‰A^ÍRT[¢hmV¥N[y_ÑW
C[#P¹@;
¢hbOMMd´Y-HdTcØ¼LD[¢h[o_ÙR
D&VwGU
¢h/F\èbO A^ÍRT[¢h[¸_Cù
IW=xJ.
¢hN÷RÓ·WÏ†û®Š€`/ñðÃûrgD[¢hN÷RG[â_¢A
¢@TYoW3
¢A¬DeÓA^ÍRT[SµfúLj[{_1Q2
DFE–L%
¢s°]^ÍRT[Š¬T€E[­_M¬
¡=&.qH-
¢s°R]^ÍRT[¢s°R[Ÿ_60M
©H/8eWS
¢s°Ridkn`]^ÍRT[¢s°R[_¢W
8I'V}*(
¢s°R NF]^ÍRT[š°[¦_NRQ
Ÿ<C=u&5
¢s°RÍRA^šRK[¢s°RÍRT[Å_D91
¦I((kO$
¢kE¿«]^ÍRT[¢kE¿«[…_88R
:<:8€%/
¢^´ p~idkn`]^ÍRT[¢^´ p~[_0F3
8I5-}&4
¢^´ OF l ˜Ux]^ÍRT[l ˜Ux[Š_Sµ
DEJxE%
¢“fveTc×TIa`]^ÍRT[¢“fE[›_’G
EMC'“>%
¢\TSŸûA^šRK[‚WÿRG[\_2S6
EK/J˜W1
¢O—Ë”ŽR /µFS/]^ÍRT[¢O—Ë”ŽR[Æ_8U4
CMWH?@
¢€NGÒjidkn`]^ÍRT[¢€NGÒj[h_„G
8B(A|%'
¢€N’Ridkn`]^ÍRT[¢€N’R[NM_S42
>B1S†C"
¢€N’RúLjidkn`]^ÍRT[¢€N’RúLj[ç_JTC
@@%L‹0E
¢€NGrg‡Mdkn`]^ÍRT[¢€NGrgD[_8V7
=C9=„C#
¢€NGrg‡Mdkn`]^ÍRT[¢€NGrgD[¶_D42
8J+R|YV
¢€NGrg‡Mdkn`]^ÍRT[¢€NGrgD[ë_Y03
:HRRT$
¢€NGrg‡wÿRTÃûdq]^ÍRT[¢€NGrgD[é_M91
ŸB>*tU.
¢€NGrgD-B¤ýa ÏøA^ÍRT[¢€NGrgD[Š_SGF
›C,J{51
¢€NGrgD/ÿŒj Mdkn`]^ÍRT[¢€NGrgD[¥_SGH
¢EP7qP7
¢€NGHoøA^ÍRT[¢€NGHoL[p_¢H
›>Y{6?
SÄôwûrgD[c¼[§_11K
9C9F},=
l]åµTevA^ÍRT[l]åµTeE[¦_SGJ
¢;W?o25
lbÁRj‰dq mza`/SŸR—Ø¼LD[lbÁRjS[Š_£T
DUMx7N
lbp^bOdq]^ÍRT[óLøC´Y[`_PLR
Ÿ??>t,W
lbp^bOdq eTc×TIa`]^ÍRT[ÍRH}a[ˆ_ÈN
£HTEp=J
lb˜U‡™ °Ï¤øA^ÍRT[lb˜UD[¶_lC
›K>L|!@
l gŠ]^ÍRT[l gŠ[`_2R5
ž<<%v.<
l ’\’]^ÍRT[l ’\’[â_6J2
£?)Jn<<
l ’\’]^ÍRT[l ’\’[y_PBV
=V@DÇEO
l ’\’ xpÌ]^ÍRT[AšpukA[¦_F47
 ;DGrTV
l ’\’ mza`]^ÍRT[l ’\’[¨_SGU
BC )<C
lÜgs]^ÍRT[lÜgs[ˆ_6Y6
¢J4#r6&
l ±×TIµ]^ÍRT[l ±×TIµ[Æ_52S
DM1<"Q
lêƒ•idkn`]^ÍRT[lêƒ•[¶_JYG
8IY)|?;
lê¥ý eìl€`]^²hK[lê¥ý[ç_SJN
@@=%‹4J
l pBmixña]^ÍRT[„HpÌ[Æ_3U4
@KB6ˆ.9
l pÌá²hxH]^ÍRT[Oó˜µ„[p_OPL
›<?<z#X
l ˜Ux ·WÏ†ûA^ÍRT[{K/l ˜Ux[o_CPS
D@+x'0
l ˜Ux p¡ceTc×TIa`]^ÍRT[l ˜Ux[Š_lL
DJUx4*
l ˜Ux mza`]^ÍRT[`ÝN/l ˜Ux[o_`N
DS6x L
lihY'‰A^ÍRT[lihY'S[y_§M
?\!EÁ0%
lihY'‰dq mza`]^ÍRT[jahDÝWN[M‡ 2W6
¦D0Wj?&
lihY‰Mdkn`]^ÍRT[lihYS[š_OYM
¥G6Kl<'
likÁg]^ÍRT[likÁg[y_SMK
@];6À$C
l²A¬ ·WÏ†ûLŸûrgD[l²A¬[¶_lP
›JV#{!C
l²A¬ xpÌ]^ÍRT[l²A¬ xpÌ[y_SNP
<W'YÈ+3
l²ÚE-þŽR›Tc eTc×TIa`]^ÍRT[l²Úc³}G-þŽR›Tc[¦_P¼
¡9T=pG)
l ñŠý xpÌ]^ÍRT[l ñŠý xpÌ[­_Sñ
¢='%o5:
l MŸÅ mza`]^ÍRT[úNÀa[p_L31
<8HwY2
l |OŸ‰Mdkn`]^ÍRT[l |OŸS[Ì_4S5
:NCA83
lAÐ\‡Mdkn`]^ÍRT[lAÐ\D[§_3
;CW<€E
l`ªa]Rù]^Ø¼LD[ÃRw[NM_95E
??NRˆDI
lƒBAåH]^ÍRT[^a €¾R[ˆ_Y73
ŸL"JvD&
lƒó©]^ÍRT[æÏxH×[y_Z90
E]K"´1O
lf lƒóRidkn`]^ÍRT[HåO[“_HHW
9@ }>=
lfDeÓwŒ]^ÍRT[F\Yt•[Ì_Y27
<L"‚CX
lfF\‡rgD[l]ÏÅ[‘_U12
BIWG#
lfF\D/B±’RlAÐØ¼LD[lfF\D[Æ_S64
BM&OŒ+N
lfj A^ÍRT[lfjY[‘_2U7
CJ*=V"
lfj Mdkn`]^ÍRT[lfjY[Ì_08D
>N0#„6;
lfïbOdq]^ÍRT[`ÿŸRj[Ê_VUJ
£A7n'!
lfÝûA^rgD[lfÝN[¶_SYN
›J:>{Y
lfÝûA^ÍRT[lfÝN[K  I50
¡CPYqPK
lfÝûdqidkn`]^ÍRT[J¥ýab´Y[§_JHN
=CA%ƒIV
lfÝûMdkn`]^ÍRT[lfÝN[…_63F
<>(7ƒO3
lAPj‰Mdkn`]^ÍRT[lAPjS[¶_ÙZ
8L4Q|N6
lh÷Œidkn`]^ÍRT[lh÷Œ[¶_D32
9KAW}>(
lhK'‰T¸ûOy‰A^šRK[Ho½Éw[\_7S3
EK7H˜V>
lh~bOdq]^ÍRT[KNOX[e_OXI
 G1MtES
lhR-BwWNeÓA^l€P[BwWNeG[Æ_8S0
CNB"$U
ltvLj’ mza`]^ÍRT[ltvLj’[š_dV
¦FQkPQ
ltvTäHNk`bj’ OFixÃ}I]^ÍRT[ªNN[Š_1H3
œD:0yO 
lt•Éw-÷L˜ubOdq]^ÍRT[lt•Éw[­_TBR
¢>:XoJ+
lt•úLj mza`]^ÍRT[lt•úLj[Ê_ÑH
£AKTnW,
lŽ¡Ot ¢€NÛ/ÉB]ÒÖØ¼LD[lŽ¡Ot ¢€NÛ[_³S
?F<YˆQY
lŽRŸý wOl]^ÍRT[úN´A[“_“1
8B;0}&D
lEBBe‰A^ÍRT[lEBBeS[y_WBB
@]<WÀ.G
lEgvMdkn`]^ÍRT[lEgE[Š_M12
B#JwQ@
lEH¯e ltvA^ÍRT[lEH¯e[›_6S9
FN2K–I-
lgpR]^šRK[ufDjR[ç_P19
A?/VTW
lsNx eTc×TIa`]^ÍRT[B‹ l ˜Ux[Ö_HÙ
<4"w9/
lEÈs]”ŽûMdkn`]^ÍRT[¤N’jY[®_8B0
ªJY>dET
lEÈsidkn`]^ÍRT[lEÈs[¶_D41
9N9<~QL
lEÈs‰dq]^ÍRT[BmŒs€D’[…_BKD
;>I&€S<
lEÈsúLjbpRîmza`]^ÍRT[lEÈsúLj[…_£P
:>*U€(F
lcªNÓA^ÍRT[lcªNG[Ÿ_3B3
©H7?eM@
lcªNÓMdkn`]^ÍRT[lcªNG[_lK
>FBQ…-Q
lÔs‰rgD[šÕÙ ¢€NÛ[_PÃ
?C/(‰!4
lÔs‰ÍeMdkn`]^ÍRT[lÔs‰ÍeT[¸_lE
žJ>Hw=O
lÔs‰¤ÊH]^ÍRT[„HpÌ[Æ_1M6
@K//ˆ&I
lÔs‰úLp’]^ÍRT[lÔs‰úLp’[y_ÑS
E` ³!.
lÔsS-Cw³ A^ÍRT[N\|Ø\K[NV_08U
CG<W‘QB
lÔsÃûA^ÍRT[lÔsÃN[`_7A6
 @S)sN*
lÔsÑoj]^ÍRT[lÔsÑoj[Æ_32S
CL=<!(
l±jR mza`]^ÍRT[l±jR[“_GZL
8A//}#D
loL›Tc mza`]^ÍRT[loL›Tc[“_S¿
:B'G#'
lo¹Lø/bHc“Ev×TIa]^ÍRT[lo¹LL[“_1PP
8AK8|DY
leÃûMdkn`]^ÍRT[ÙûfÝNIO[…_SSF
:;2+€:.
lOŒÝûp~]^ÍRT[lOŒÝN[Š_Š3
8CEC{O
lOŒÝû®Tw]^ÍRT[lOŒÝN[{_âK
DCSF—,1
laE›Lødq]^ÍRT[„óRŠÏ[…_T60
;?(+‚)P
laeÀaidkn`]^ÍRT[laeÀa[®_93B
ªJ(6bFO
la €¾R 2]^ÍRT[la €¾R[y_SRV
B[M5ºA1
l\M p~idkn`]^ÍRT[l\M p~[_SLB
8HAP},8
l\MúLj]^ÍRT[l\MúLj[Å_N69
¨G@CgIV
lO¾Pnv¹L½]^ÍRT[©tHß`j ×TIa`²hK[{_L09
CBB,“'?
l¤TF\‡rgD[l¤TF\D[…_H70
=B2J„ W
lwMØ¼LD[ŠRÝN[›_39P
FL?˜.
lw|cØ¼LD[¸NrgD/hæý„b´Y[§_WLD
:C(% -
lwU‡Mdkn`]^ÍRT[lwUD[“_SUD
9AM4~E2
lUhÍ¹LørgD[ÒNúLj[K  DVK
¡C@ErL(
lUhT-tKeÃûMdkn`]^ÍRT[tKeÃN[‚_8V2
;H?L 2
l}z‰Mdkn`]^ÍRT[l}zS[ë_49B
>J7%…4F
l}z‰Mdkn`]^ÍRT[l}zS[K  TWT
ŸC><uW.
l¨T­RMdkn`bhøHÞÈm rgD[l¨T­RT[h_SÀ
œ@AXy@<
SUBj—vMdkn`]^ÍRT[SUBj—E[§_19S
<C;O‚OY
SUD©ûlOP]^ÍRT[LªýúLj[…_T32
:?@/~T8
SUÐîàä¨I¾]^ÍRT[SUÐK[ã_SFQ
¦BFXjAY
Såh pÌ mza`]^ÍRT[µÝN[…_Sº
9;C2}E6
Såh ¢€NÛ]^šRK[GpD¸N[ˆ_5M6
¢J&7r8+
Såh˜AF mza`]^ÍRT[{R¤B„£—[®_B21
ªK#%d*Y
S¬ªãûdq]^ÍRT[S¬ªãN[e_ñV
ŸE$Su8T
S¬ªãûdq eTc×TIa`]^ÍRT[ŠÏkg˜[Å_ÖV
§GH$hMH
S¬ªãûp~ ltvA^ÍRT[®ª‚Ø`½[›_09S
ENP9“/ 
S¬ªãûmza`]^ÍRT[S¬ªãN[Š_UUV
œD,y'Q
S¬ïidkn`]^ÍRT[S¬ï[_8C2
›G@9zPN
S¬È}idkn`]^ÍRT[S¬È}[“_F30
:@=C~Y7
S¬È} ¢€NÛidkn`]^ÍRT[S¬È} ¢€NÛ[…_SLR
9?'A}C.
SÞ®RÒj NF]^ÍRT[SÞ®RÒj[`_NFD
ž<<9uDO
SÞ®RÑoj]^ÍRT[SÞ®RÑoj[WV_SXL
£D+TnR-
SÞ®RúLj]^ÍRT[SÞ®RúLj[â_DYB
£?!Jn.Q
SÞˆA^ÍRT[ˆDDjÝWN[©_ÔY
¦E=.iI7
SÞˆA^ÍRT[SÞˆT[y_ÞM
E]1R³%J
SÞTc]^ÍRT[SÞTc[â_SÖ
£?YHn3G
Sdß`j A^ÍRT[÷LLHŽ‡C´Y[ç_A20
BA2?T
Sd÷á]^ÍRT[Sd÷á[š_71N
¦FS<jLJ
SdÒÊvA^ÍRT[“pŸb´Y[“_Hë
:AB%H4
SdÅñ©idkn`]^ÍRT[SdÅñ©[›_1S5
EL1C•X+
Sd¤ A^ÍRT[Sd¤Y[…_X43
=BKƒOJ
Sd€£”Žu]^ÍRT[Sd€£”Žußop’[…_2KL
:<AW€6?
Sd€¾R]^ÍRT[Sd€¾R[\_S21
EIRA—9)
SUó€\idkn`]^ÍRT[SUó€\[‚_12K
:F L€!G
SUó€\idkn`]^ÍRT[SUó€\[ç_E81
@?.F%C
SµfúLjidkn`]^ÍRT[SµfúLj[{_ÑE
DF4>–@4
Sµ£X]^ÍRT[Sµ£X[NJ_FWN
§G*hC5
S¨TcbOdq]^ÍRT[YUBÎC´Y[{_O52
DE%7—B1
SU›N‚vdq]^ÍRT[ª¾ Oy[¦_24J
¡<0q:
S›ûCm¯]^ÍRT[Ja•úLj[Ê_78A
£B*(nR"
S›ýaØ¼LD[ŽÝNúLj[›_2W3
FLR0˜-8
S¸Ïa Sˆ|Ø¼L‡t m‘Ñojidkn`]^ÍRT[m‘Ñoj[­_RVJ
¢>!@p'+
SY{Šm l€P[F\¿R|[…_9F9
:>CC3,
SYLãN]^ÍRT[l}TÔfT[¸_C89
ŸHH*uW>
SYL¾lc]^ÍRT[SYL¾lc[­_SYV
¡=?8qSE
SY¤CµvÁÊOŒ eTc×TIa`]^ÍRT[SY¤CµE[Å_SYR
§I$Fj$5
SY¤CµE-ÁˆLÝûdqidkn`]^ÍRT[SY¤CµE[§_3K3
=CYUƒJQ
T-Bh]^ÍRT[æ[…_2F4
<?(RƒO(
Ÿ ×RwW‰A^ÍRT[Ÿ[›_TIW
FM.#˜@G
FT-~Rûdq]^ÍRT[FT[{_L17
CA&<•8.
HjÄAHidkn`]^ÍRT[HjÄAH[“_TQH
8AUO}.
oíEg]Cm‰A^ÍRT[ãLj úEW[…_X16
:?:7%3
KOéÎA^ÍRT[KOéA[y_TCT
B\YAºM
ªHeÎMdkn`]^ÍRT[ªHeA[“_6F1
8@H:}"8
L~Ú×]^ÍRT[L~Ú×[y_Tæ
E\1/´#@
Lp©­idkn`]^ÍRT[Lp©­[`_„N
 ?@(t!"
LpÁS£veTc×TIa`]^ÍRT[LpÁS£E[¦_TLH
 <5Nr3!
ðÎàä¨I¾]^ÍRT[ðA[¦_VDF
¡:Pp2I
ðÎeTc×TIa`]^ÍRT[ðA[¦_Tš
¡9X>p>
ðÎN\|]cO²hîA^ÍRT[ðA[¦_X39
¡:+/p4:
×CwS‰A^ÍRT[×CwSS[y_TSG
G]49­1J
Nzc xpÌ]^ÍRT[Nzc[ã_Tz
¦CO?iYR
Nxi•ÎA^ÍRT[Yy¨t[y_A69
HY,Y¨<-
O‰mza`]^ÍRT[OS[NM_™X
>B9$‡F5
PšÁNNOŒ/•£XbOdq]^ÍRT[PšÁNNOŒ[ã_XÙ
¦CQAjSE
RÉw-Ë’¡vA^ÍRT[RÉw[Ê_ÚC
¥AV,k>M
R¤ÏØ¼LD[Šd£LŸN[…_6X0
9>#Q}/G
ª× LRR‰A^ÍRT[KOéA[y_TLJ
B\SH¹XG
T´jîA^ÍRT[T´jK[y_7æ
FZR3°G:
T´×]^ÍRT[T´×[y_8æ
D\/B·3I
TÞ]^ÍRT[TÞ[NM_18T
=?-E….I
dÝûMdkn`/KeÓrgD[dÝN[Ÿ_N
©GR9eU
Y˜R]^ÍRT[Y˜R[ç_qL
@@9(Œ$T
Y˜RbOdq]^ÍRT[{ðÿL½úLj[K ]„
 C3<s0@
Y˜RbOdq]^ÍRT[®DF\D[¸_MDZ
K$#x0
Y˜RØpA^ÍRT[ìTuê¥N[¨_TF9
AFS5‹(!
Y˜RiOde]^ÍRT[Y˜RiOdeieE[y_tM
BZR"»5=
Y˜Ridkn`]^ÍRT[Y˜R[…_T74
:<@48A
Y˜RÑoj]^ÍRT[Y˜RÑoj[Ê_Ê2
£AUQo)N
Y˜RúLjidkn`]^ÍRT[Y˜RúLj[o_Z
žE=Ww1Q
ZE¹Lødq]^ÍRT[€upÌS[ã_JFZ
£C!OoMT
Zª×]^ÍRT[Zª×[y_Z14
F\!S°9D
TŽGUvMdkn`]^ÍRT[TŽGUE[…_68F
9=EH~0D
TäÞ£Hio½]^ÍRT[TäÞ£H[ˆ_22T
¢H  qRH
TäÞ£Hidkn`]^ÍRT[TäÞ£H[‚_0G3
9F6!~(,
TË lÔs‰fu\A’ eTc×TIa`]^ÍRT[fu\A’[y_fC
E[(9³YS
TEÁuAPIidkn`]^ÍRT[TEÁuAPI[{_T¢
CA&$”83
T¯ƒAHidkn`]^ÍRT[T¯ƒAH[‚_TQE
9GKO~(G
Tgö^-íEgc]^ÍRT[è ¤E[­_MQW
¡>#OpRL
Tg‘ÎA^ÍRT[Tg‘A[y_2K5
D]4J·/!
TgjR]^ÍRT[TgjR[y_Tc
=_,7Ä24
Tg»€© mza`]^ÍRT[Tg»€©[_Tà
@CW,‰T>
TœPj”h]^ÍRT[TœPj”h[ç_U30
BB,2$
TsKojR p~]^šRK[“ÃN[“_44M
8AH0|V(
TsÙ‰š€ž]^ÍRT[lêO£È[p_L33
œ=X6y,1
TcmÜA¨vmza`]^ÍRT[TcmÜA¨E[e_HUF
ŸE9 u07
TcmLødq]^ÍRT[Dá©N[…_6R6
<< M„*M
TcmLøMdkn`]^ÍRT[TcmLL[…_TRL
9>H=~. 
Tcá]^ÍRT[Tcá[Æ_8U6
?LLD‡0M
TcábOdq]^ÍRT[BwWNrgD[…_BFE
=?(5„)A
TÚcÉw]^ÍRT[TÚcÉw[NJ_TEB
§FQh!E
TÚªûA^ÍRT[TÚªN[y_3T4
G]%;¬=%
Tàhæ× mza`-¹BBØ¼LD[Tàhæ×[h_…K
8?9+{Y:
Tà„ G¬FbO„mza`]^ÍRT[fGjÝN/p~êAŒÃN[…_LBX
9;$=}9I
TàŸidkn`]^ÍRT[TàŸ[“_K49
=B<2ƒNO
|‹ciœ\øA^ÍRT[|‹c[Š_42M
œB=2y@1
|vŽlcûI†ÎA^ÍRT[°ÒR ¤P‘S[_C‘
œGS#yHE
|v¦\‘Î~Y‰Ÿ¤|a eTc×TIa`]^ÍRT[Ÿ¤|a[¦_ÆH
¢6IAo!#
|v‚W ZE¹LL/›Y‚bOÐE Mdkn`]^ÍRT[ZE¹LL[é_3A2
¡B6>q?8
|vO'‚oøMdkn`-J¥ûøBycØ¼LD[O'‚oL[‚_aL
;H:(€G.
|vm‡€¾R]^ÍRT[µÁ—A[p_0R7
›=Y7{09
|vñG}‡f©RÃûA^ÍRT[¹Blc[ë_1D7
:K/A<O
|IÉÒUXidkn`]^ÍRT[|IÉÒUX[p_L83
œ;JRxOX
|¼F €¾RØ`½ mza`]^ÍRT[|¼F €¾RØ`½[¶_TVF
9N!V~)$
|±óûrgD[B‹ ¢€NÛ[Ö_00M
=W,w,%
|OŸ‰C Rµ£LørgD[`àf©Rb´Y[`_`X
 >TSsWM
|OŸ‰dq]^ÍRT[|ËF\D[‚_TIF
<GWL‚@+
|OŸ‰Cm¯]^ÍRT[lfjY[‘_2U8
CJI6‘,
|OŸ‰®Š€`]^ÍRT[GjÌO[W  76V
?H=*‡*
|OŸ‰Mdkn`]^ÍRT[|OŸS[“_1O4
;AJ€IP
|OŸla-UPÃûdq]^ÍRT[|OŸla[­_OPN
¡>W0r-Q
|OŸÑoj mza`]^ÍRT[|OŸÑoj[­_Tú
¡<T#qRS
|OðÃûöL½]^ÍRT[|OðÃûöL½[Æ_|M
DM@7‘.P
|OðÃûšS‰A^ÍRT[ãL©Z[y_K55
F[(D¯G0
|OðÃN-wBBe‰A^ÍRT[HgsA/¹lÜgsA[h_HEE
œ@@AxF?
|OðÃNúLj]^ÍRT[|OðÃNúLj[ˆ_7Y2
¡J="sX,
|OÖa/èìÐ¼bOdq]^ÍRT[|OÖa[­_HÄ
¢?=Mp=
|mvF\§]^ÍRT[|mvF\§[Æ_9S5
BKRG@(
|mvp~‰Mdkn`]^ÍRT[|mvp~S[¸_40D
žKM6w%/
|mv€¾R‰Mdkn`/DRÜAe•]^ÍRT[|mv€¾RS[ˆ_ÁI
¡GWAsAA
|wŒŠRÝûMdkn`]^ÍRT[|wŒŠRÝN[…_72F
;?(N&Y
TIÿR ÒM]^ÍRT[TIÿR ÒM[Æ_B70
CN0P$?
Tka©w­idkn`]^ÍRT[Tka©w­[Å_4B6
¨IRDg6M
T¼ÝûltvA^ÍRT[€MwŒ[›_4S6
ELD-—%8
TopŠ“]^ÍRT[TopŠ“[\_TMK
FK7$™NR
Toª—Ø¼LD[F\SY|[Æ_1S3
@L..ˆC8
TI¡c p~idkn`]^ÍRT[TI¡c p~[ë_D58
=K6Tƒ#
TI¡ca]^ÍRT[`ƒOÕR·[NM_E02
>>D!‡G-
Teb´ LRR‰A^ÍRT[Teb´Y[y_éC
=_?QÅU3
Tebm¯]^ÍRT[öm¹Løp~[y_éW
C\=V·BL
Te~R]FB]^ÍRT[“pŸb´Y[“_TIK
:A6S5*
TIO­idkn`]^ÍRT[TIO­[Ì_D60
>N4O„SP
TnÝûMdkn`]^ÍRT[TnÝN[“_1O8
;@9=(/
Txu‚R]^]^ÍRT[f©RÃN[y_2f
E^-.³)=
TxˆNÕ]^šRK[TxˆNÕ[“_0F9
9@)U~F:
TxˆNÕbOdq]^ÍRT[ÿLŠÏ[Ö_01M
ž@;<v*"
T´µØ¼LD[h|}Òj[WV_70D
¤E;VmQ)
T´µúLj]^ÍRT[T´µúLj[š_6G1
¥GB>mJ;
TæCZYîrgD[OyjY[ˆ_C88
¢I&3r+3
ÝCÎRÓjÝ}‚AUØ¼LD[ÝCA[­_ÝC
¡@A@q/M
ÝD‡rgD[˜NÓP¤^¼[¶_14Y
8KSQ|R7
Ýzy]^ÍRT[Ýzyßop’[y_ÝG
AY!+¾5N
ÝîJdCTIa]^ÍRT[ÝK[y_6K8
G]1L¬W+
Ý~TEvltvA^ÍRT[þŽR›Tc[\_3S6
EI+6˜7.
Ý§O“”‹]^ÍRT[Ý§O“”‹[y_O“
?Z>;Ã#,
Ýj· àä¨I¾]^ÍRT[Ýj·[¥_TDZ
¢G?Tq:V
Ýj·idkn`]^ÍRT[Ýj·[_8C5
œGY0z>S
Ýj· ltvA^ÍRT[Ýj·[\_5S4
EJB"™V5
Ýj· SU÷RBf]^ÍRT[p¡cTúLj[ˆ_ìH
¢GJ'qE3
ÝM” Òú‡rgD[{Ld[­_CZL
 @91rV3
ÝŸÁWîmza`]^ÍRT[ÝŸÁWK[¸_TKV
žK:(wN0
Ý¡lavMdkn`]^ÍRT[Ý¡laE[ç_P29
@=F/Œ/
ÝMªýaØ¼LD[‚W wŒF\D[Ì_8J7
;MGL%S
ÝðKeÑoj/ŠNwvdq]^ÍRT[ÝðKeÑoj[K  TZV
 BIKsE'
Ý×™Úidkn`]^ÍRT[Ý×™Ú[›_W01
ENI<•9V
ÝNOšH]^ÍRT[ÝNOšH[NV_TÈ
CD!B“#*
ÝNOšH T•¤N’[ÝNOšH[NV_éX
CCMV’LQ
Ýóæ mza`]^ÍRT[Ýóæ[§_FOE
9DW!}EO
ÝRuÍRA^ÍRT[ŽlÍRT[ˆ_59M
¡K!0s37
ÝR€NÀaidkn`]^ÍRT[ÝR€NÀa[W  ÝR
>H!R†'(
ÝTpNIæ €¾R]^ÍRT[ÝTpNIæ €¾R[y_9y
E^>²=2
Ý¨fA^ÍRT[P¨×M[Cb44
¨GW2f!.
Ý¹Ridkn`]^ÍRT[Ý¹R[¶_12D
œMO#z/(
ÝW‚Ridkn`]^ÍRT[ÝW‚R[Ì_D61
<N3@‚5J
ÝWýs‡A^ÍRT[ÝWýsD[Æ_8U8
BL1R:W
T¤C Mdkn`]^ÍRT[T¤CY[{_TCY
DCG2—8<
T¤C Mdkn`]^ÍRT[T¤CY[¶_TKC
9J,W}B8
T¤©›Tc]^ÍRT[ÒWÃû¢€NÛ[K  8M7
ŸC)'uF<
T¤©¸Ì]^ÍRT[ƒho˜[…_TDW
<A(*ƒO?
T¤cidkn`]^ÍRT[T¤c[_8C6
œH*!z96
T¤ú‰AFB]^ÍRT[ö^rgD[{_SUU
DD-R—U9
Tm„}v„eTc×TIa`]^ÍRT[F\P¼R°[¦_FPR
¢9;Qn44
TmÕ ›~sE A^ÍRT[›~sEY[§_0H1
<E6SA
TmÏ ˜— eTc×TIa`]^ÍRT[šâAÕ¬A[Ö_PQL
ž<9Lv=K
TmÏaic°R]^ÍRT[TmÏa[NJ_—N
§F.BhNN
TmÏaidkn`]^ÍRT[TmÏa[Š_TRX
›F#{A8
TmÏa-wBBeÑoj]^ÍRT[wBBeÑoj[NJ_N87
§F*PhB$
Tm¨jûdq]^ÍRT[ÃóRÝN[­_4J8
¢>5-p?N
T€b´¼‰àä¨I¾/De¸DD¼bOdq]^ÍRT[óTc³}G[ã_PTB
¥C)!k<4
T€-C´¼‰A^ÍRT[sDkO—[Å_CZG
§H"Ij#M
T€-C´¼‰A^ÍRT[šâO[›_Pâ
EL-T•%(
T€-C´¼‰A^ÍRT[B€l/J¥ýa/KeÛÍRT[é_T€
¢B:=p69
T€-C´ A^ÍRT[£B€NG[¥_3G6
¤FT4o
T€-C´ A^ÍRT[¹l pöYÚTE[¥_80G
£F,RoJ(
T€-C´ A^ÍRT[šRÃý[§_PPF
9C1Q}<4
T€-dq]^ÍRT[Yt•b´Y[o_2C6
FL8x":
T€-dq]^ÍRT[ÉNIöY[¦_ÇR
 <PDsB$
T€-dq]HsáêOY‚RØ¼LD[A™¼[Ê_„J
¥B/Qk(-
T€-dq mza`]^ÍRT[˜‚ wŒ[¸_LNR
I*Ix(M
T€-ltvlEUÿûdq]^ÍRT[fÕp[e_fQ
¡GD5s#
T€-ltE/ˆLÝûJØcGµaØ¼LD[HdTeÀa[WV_HTS
¢D4%p?C
T€-ÝWýHn]^ÍRT[ÙãN×[o_SFY
H Kx$;
T€fGj N\| àä¨I¾]^ÍRT[˜Ux÷RG[Ê_LHZ
¥B6l1O
T€÷‚idkn`]^ÍRT[T€÷‚[§_5K2
=D9#ƒK
T€G’R ­P]^ÍRT[ÿRáúLj[h_17A
›B1H{C2
T€N´ °Ïc]^ÍRT[T€N´ °Ïc[{_O86
EFXX˜GC
T€Pj R]^ÍRT[©hÉRN[Š_0C1
8E;.|LR
T€Pj-A°Ø¼LD[©{T}[…_35X
:?-%?+
T€Í‡A^ÍRT[`¯×zK[y_Z25
BY-M¼?:
T€PPbm¯]^ÍRT[lê¥ý[ˆ_39T
¢I!Sr;3
Tw×]^ÍRT[Tw×[{_L72
BANL“1C
Tw A^ÍRT[TwY[Æ_57S
DN:O‘T+
Tw Mdkn`]û~N‚|bƒPÿLørgD[TwY[`_ÝI
Ÿ=QBtP
TRUŒEE-vA^ÍRT[TRUŒEE[{_TRK
DE1*–&4
TR¬ÃûrgD[PpZA[Ì_Y99
=NPƒW*
TR¨H \ba£Äs°‰Mdkn`]^ÍRT[TR¨H \ba£Äs°S[NM_TCS
??,%‰.*
TlC ›]^ÍRT[›[…_CNW
:=D."9
TUBÎC´ A^ÍRT[TUBÎC´Y[ç_T03
AB#@4Y
TUŒc-G¨H€v®Š€`]^ÍRT[ÁRpN[K  I35
¢BQ@q3=
TUCÃûeTc×TIa`]^ÍRT[TUCÃN[ç_Tµ
@>%ŒV;
TUCÞ{€idkn`]^ÍRT[TUCÞ{€[NM_TCC
=A(X…B)
T¬gyvMdkn`]^ÍRT[T¬gyE[{_O81
DGS8—3D
T¬pŸ mza`/WM N\|cûrgD[T¬pŸ[é_|A
 A4Nt,N
T¬Ù eTc×TIa`]^ÍRT[T¬Ù[“_T¬
9B)T}S/
T¬Ù €¾Rñ©]^ÍRT[T¬Ù[“_RVS
9B 5}Y#
T¬U§y]^ÍRT[T¬U§y[y_TLT
@[#.¾U6
TdkÎMdkn`]^ÍRT[TdkA[Ö_¨A
@G$x2R
TdT¨¬îA^ÍRT[TdT¨¬K[y_A61
@Z3"ÀE/
Tddy]^ÍRT[Tddy[y_4æ
>Z@(Ã,M
TUó˜ mza`]^ÍRT[TUó˜[Ö_TUP
ž@.&vL*
T}˜Œidkn`]^ÍRT[T}˜Œ[{_O15
CC;!–GP
T}‚R]^ÍRT[T}‚R[Æ_9U0
ANQŠ6+
T}‚RbOdq]^ÍRT[„H÷RN[­_75J
¡=G-qCY
T}‚R‰öL½]^ÍRT[ŠÏAGUE[Ÿ_0B5
¨HA<f=5
T}Tj p~idkn`]^ÍRT[T}Tj p~[Ì_91N
=M<A‚U
Tµ{˜OÙ ÏøA^ÍRT[Tµ{˜OÙ[`_Tþ
ž?+,uBG
Tµp]^ÍRT[Tµp[o_K96
ŸELRv05
Tµp]mÎA^ÍRT[{w[ˆ_CFS
¢I9>q8J
T¹Ë/‚WÜA¾ûA^ÍRT[‚WÜA¾N[CÜVN
¨G-OfS.
T¹ÏYNevšLÖ]^ÍRT[T¹ÏYNevšLÖ[{_éP
B@%T‘VK
T¹ÏYNevšLÖ £LF]^ÍRT[T¹ÏYNevšLÖ[{_NXP
B@/L’'J
T¸ûB€D’‰A^ÍRT[~TuÞ[‘_U61
CIVC$C
T¸ûC´ A^ÍRT[˜€S[â_5J9
¤@#0lQT
T¸ûdq]^ÍRT[­pXÜo½úLj[ã_HLX
£BKXnO7
T¸ûHo½]^ÍRT[T¸ûHo½[y_A63
AY":¾.<
T¸ûp~‰A^ÍRT[ŠŒÑoj[Ê_8A7
£ATTn97
T¸ûp~‰A^ÍRT[ºf´Ôoj[â_S17
¢?DJoR
T¸ûŠde]^ÍRT[T¸ûŠde[NH_8B2
©J-Qe>N
T¸N-Oy‰A^ÍRT[ÙûfÝNIO[…_T94
:;@+€:$
T¸¢idkn`]^ÍRT[T¸¢[›_2S0
FN3 –#D
T¿ÜŽRTË]^l€P[‚WÿRá[ˆ_6Y5
¢LGBs72
…AcO¢\Ac«w®[·Ru•Tc[…_X65
9?>)~FP
qjRbOdq]^ÍRT[¿«úLj[…_09R
8<L=|9=
qjRidkn`]^ÍRT[qjR[¶_63Y
9J/0~'!
qjR²OdD‰mza`]^ÍRT[qjR[…_qR
9>3+}6)
qÌ`øAFB]^ÍRT[š×Ÿb´Y[¦_šM
 <"'s@<
qa¯]^ÍRT[qa¯[y_qE
D["Bµ&/
å„HIîA^ÍRT[å„HIK[y_9A8
BW=6»5L
å„HIîB‹]^ÍRT[PoOÍeT[y_åB
BW7=»J6
åNU-KUšRUîA^ÍRT[KUšRUK[y_UBW
Dd1P³AS
UKHidkn`]^ÍRT[UKH[{_UKI
DE%?™*!
¬YS£‰A^ÍRT[¬YS£S[§_¬S
<CB,ƒ47
Þtopidkn`]^ÍRT[Þtop[¦_X23
¢:U;oE$
ÞA^ÍRT[ÞT[y_ÞT
Cc4.¶&$
d`yjÚ]^ÍRT[d`yjÚ[y_dK
@]S1¾MW
d`„æ]^ÍRT[d`„æ[y_ìT
>SSVÄ>H
dIabOdq]^ÍRT[ŸáÑoj[¥_MRT
¢F+:q3$
dIabOdq[Tw žgÝûrgD[dIa[â_35A
¢@G+oD:
dIa²hxH]^ÍRT[öR®RúLj[p_F87
›>I;z2,
dIaúLjidkn`]^ÍRT[dIaúLj[Š_K43
›F>7{>
dI¾Rñq]^šRK[BtH[ˆ_41G
¢HP:r:K
dI¾Rñq]^ÍRT[ÒúS[{_ËU
DD=S—M)
dI¾Rñq OF oªNOx/¸LpR‡A^ÍRT[uƒš±N/}BfA[o_Cˆ
ŸF 1v.B
dI¾Rñq OF “pŸ ¹lHEI®R]^ÍRT[N\ŸN[“_Od
:A,J:2
dI¾Rñq-OXF\‡A^ÍRT[OXF\D[Ö_UOX
@5"w>+
UÍ»]^ÍRT[Á¸[HI_UPP
@2-U¹QB
UPóRbÞÿRpÌ mza`]^ÍRT[¢h[é_SRB
 B!6s=N
UPóR ˜abm¯ µF‰A^ÍRT[u`ªS[‘_U72
CJA<O5
UPž}bOdq mza`]^ÍRT[÷ŒÁNNa[WV_W22
¤E n.<
UPÝûdq]^ÍRT[èbƒEY[…_E48
<=%=„+=
UPÝûMdkn`]^ÍRT[UPÝN[W  83V
?J#8†D9
µAF]{©ù Òú‰A^rgD[˜¤· ¢€NÛ[_AÐ
>DX6†O*
ã‘sØ¼LD[Ÿ€a[`_A08
Ÿ><Du5#
ãL©Z²IaEcØ¼LD[ãL©Z[y_VDZ
F[&!°,G
ãL·lÎmza`]^ÍRT[ãL·lA[­_VLD
¡<LSq.?
ãªc]^ÍRT[ãªc[Æ_7S7
CN0Ž-"
ãLæ€ÎA^ÍRT[ãLæ€A[¦_X59
¢9WEn?<
ãLj]^ÍRT[ºf‡{Åa[ç_40G
AAE Ž&S
ãLj eTc×TIa`]^ÍRT[ÁRªN’N[…_HRL
:8+BE1
ãûEÐsØ¼LD[wŒ[ˆ_6Y4
 L!%u-<
ãûNUY‰A^ÍRT[ãûNUYS[{_VÅ
B@*A”;6
ãûšîA^ÍRT[P¤^¼ß¼W[§_0P1
;EOT@$
ãû›G‚ûA^ÍRT[×Íja[ˆ_6H4
¢H'3r2"
ãû¹Rdq]^ÍRT[ãû¹RT[¥_VNW
¡FQPrB;
ãûZfDdq mza`]^ÍRT[¸L½²OeT[…_76F
9>FS}Y!
ãÊvAFB]^ÍRT[s‘[“_sD
:B25U 
ãÊvB¤Ì]^ÍRT[˜NGŠÏ[_LŠ
?F'R‡'O
ãÌ`idkn`]^ÍRT[ãÌ`[o_Vp
žDY;w'X
ãÌsÿRÓ¢A°Ø\°”„vA^ÍRT[˜ðOC[{_VBG
C@J,–A"
ãýfA^ÍRT[c¸N×[š_9N1
§F;!i#Y
ãžaidkn`]^ÍRT[ãža[›_2S1
FM9=˜:C
ãåHûMdkn`]^ÍRT[ãåHN[NM_N17
>@B.‡)=
¾×NÕ mza`]^ÍRT[F¤NKªN[š_FKL
¤G4EmQD
¾‚T¼]^ÍRT[¾‚T¼[y_¾E
Fa=°3Y
¾NkvMdkn`]^ÍRT[¾NkE[¦_VÊ
¡9"/p86
¾Rˆªa mza`]^ÍRT[ÒNúLj[o_DNV
ŸF)YuAI
¾R×ømza`]^ÍRT[¾R×L[¨_¾L
AF8(‹<G
¾RNaidkn`]^ÍRT[¾RNa[\_05S
FKQ&™,@
¾w”Žu mza`]^ÍRT[¾w”Žu[¦_VRB
¢9E2n7#
¾Tcf‰A^ÍROF Ã¨HcûoªNOx]^ÍRT[Ÿ€a[o_M›
žCK0wF
úCIidkn`]^ÍRT[úCI[“_5O1
;B&:0*
úŒ³}ÓMdkn`]^ÍRT[úŒ³}G[Ö_V§
œ>,3xUH
úŒ³}ÓL»pH mza`]^ÍRT[L»pH[p_TVR
œ>3$yF
úCÝ€Îmza`]^ÍRT[úCÝ€A[…_VCT
::Q-~U%
úÒªÎmza`]^ÍRT[úÒªA[­_VDI
¢>)@p4.
ú‚pÌ-·WýÝWûA^ÍRT[ú‚pÌ[NJ_28N
§E>4hX"
úN´ÎMdkn`]^ÍRT[úN´A[“_H04
8BBS}'$
úNpÌß`j Ac«w®[B`D¸ûC´Y[§_K64
8DP(}(U
úÏabOdq]^ÍRT[è]R|}[¥_22I
£E1Gp8:
úÏaßÚcf‰®Š€`]^šRK[úÏa[_VTI
œH+%z?
úRzøI ºxÃMidkn`]^ÍRT[ÿDF\D[e_BFR
 DP6t8I
úRzøø¸Lªƒ‰Ppe¹LøMdkn`]^ÍRT[Ppe¹LL[ˆ_61D
¡H:"sDS
úRzNÜ±HpÌ‰A^ÍRT[–eG·N[ã_VJI
¢BG)p #
úRzN TäH/ŠÏÕ®á àä¨I¾]^ÍRT[BpŒ³}G[ã_ÇB
¤C*@n6J
úwÄÎMdkn`]^ÍRT[úwÄA[¸_Y51
I@MxSR
úÙªÎMdkn`]^ÍRT[úÙªA[{_úS
CB1%•5@
úúf]^ÍRT[úúf[p_3F4
8>QG|C
VîrgD[{ð ·åpS[¸_V“
IV3x-)
V¬T}• wW]^ÍRT[ÙN’R[…_6X8
:?26$)
W v¤ÊH]^ÍRT[|tuc[‘_0‘
BH8SLE
WÜ '÷D'”hwûA^ÍRT[ìBªN[­_DBN
¡>?SpY$
›B„Hidkn`]^ÍRT[›B„H[e_Ií
 FKIsMV
›Ø¼LD[TwY[¥_1WF
¡FSr)S
› mza`]^ÍRT[›[…_ACT
:=BJ+O
›©Øi`E rgD[žeýÝN[WV_6W0
¤E64n.C
›©×idkn`]^ÍRT[›©×[¶_ôC
8L8Q}*G
›DS¿R|idkn`]^ÍRT[›DS¿R|[¥_3G3
£G)oK5
›G‚Ridkn`]^ÍRT[›G‚R[ë_AGZ
;I!Q€/M
›Oidkn`]^ÍRT[›O[‚_AHQ
9G,8~AF
›I®A-K¥`ÎA^ÍRT[æMUgA[HI_MUE
@2#¹F#
›eW€GHA^ÍRT[›eW€GHT[y_A¸
@dD/½YG
›~rg‡Mdkn`]^ÍRT[›~rgD[ã_yQ
¥BY,k"
›KaÒ”Žu ltvA^ÍRT[›LDÍRT[\_R33
EJ5"š#$
›K¬pbOdq]^ÍRT[š×°A[¦_2J0
 ;Y4r5I
›L©N-õŒÃûdq]^ÍRT[›L©N[_33V
?FKˆ.0
›LDwûrg‡NF]^ÍRT[RPµbH€lI[…_NWL
:9D'0O
›LDwûMdkn`]^ÍRT[›LDwN[h_M27
8@R@|$>
›j‰A^ÍRT[›jS[y_IWK
=_C3Æ#H
›j‰A^ÍRT[›jS[®_®6
ªJ(:d&
›LÁLpidkn`]^ÍRT[›LÁLp[Ì_96D
:NV8T(
›L~RbOdq/ÿúLørgD[õ¢c[`_JFX
Ÿ?T%u0P
›L~Ridkn`]^ÍRT[›L~R[¶_Y49
8M'@|DI
›L~R/w¹ ›Tc˜O]^ÍRT[›Tc˜O[e_4C2
¡G7RrXT
›LøMdkn`]^ÍRT[›LL[ë_6V4
=IYY„--
›Lp ›Lp mza`]^ÍRT[›Lp ›Lp[›_`W
EL#?”/!
›Lp°idkn`]^ÍRT[›Lp°[‚_64V
<FOVƒ'Q
›Lp°-óÌc]^ÍRT[›Lp°[Ê_ACZ
¥@I"l,
›LjØ¼LD[P¬LŸN[ˆ_M86
 H:-t%>
›L˜P‰¦±HöCo´ A^ÍRT[›L˜P‰xpÌ[ã_›L
¦CV7i9Y
›LN¨ €D’ mza`]^ÍRT[›LN¨ €D’[h_hG
œB%;xU<
›LTc‰Mdkn`]^ÍRT[›LTcS[“_3O5
:@43€63
›LT€P ¸Lªƒ³}Óàä¨I¾]^ÍRA^ÍRT[¸Lªƒ³}G[ã_JGG
¦C,3jHX
›LZ]^ÍRT[KI†A[§_4§
;C I€@+
›®Õidkn`]^ÍRT[›®Õ[§_69K
9E)R~->
›Pžop]^ÍRT[¸ÊH•Tc[‘_I45
DKV=’KO
›R‡rgD[­SÄÚ[{_0O9
EGPJ™Y#
›R©ûA^ÍRT[›R©N[›_2S4
ELWW•!Y
›RM ¢€NÛbm¯]^ÍRT[˜WŸN[‘_0U1
CJ&>‘0Q
›R‚R wBe‰A^²hK[›R‚R wBeS[­_5A2
¡>?DqFB
›Rmû"÷D" ¿«‰šL®Ridkn`]^ÍRT[šL®R[y_šQ
E[AH³#1
›Rmû/µFS/]^ÍRT[›RmN[‘_3U1
DK.#‘G
›RmûA^ÍRT[›RmN[¥_62D
¤G.nUD
›Rmûdqiœ\øA^ÍRT[èieNúLj[é_RÊ
 AGUsPD
›Rmûdq/J¥ûp‚Ø¼LD[jBfa[¥_I68
¡E9Jr-%
›RmûMdkn`]^ÍRT[›RmN[¶_D37
9N):~HG
›RmûMdkn`/J¥ûBØ¤ZcêRØ¼LD[›RmN[h_3M9
›??Dz#%
›RmN-Såh÷ž]^ÍRT[›RmN[V 0B7
©J%!fOC
›RmÏa/öUÄ¼R]^ÍRT[›RmÏa[ã_HWY
¥DA)kHD
›Rwô eTc×TIa`iœ\øA^ÍRT[›Rwô[¶_RRT
8NV;}2T
›RÙWidkn`]^ÍRT[›RÙW[e_„W
 G.;sP6
›RÙWidkn`]^ÍRT[›RÙW[Š_¤W
›D2R{2I
›R¸Œidkn`]^ÍRT[›R¸Œ[Å_N72
§G/-h/,
›âO ltvA^ÍRT[›âO[\_35S
EKA3–F8
›âO-~Rûdq]^ÍRT[›âO[{_L19
CAC)•3+
›£{idkn`/ŸY×R‡€uh‡lsSRU‡rgD[›£{[¶_ACQ
›J"6{?)
›ž÷RûMdkn`]^ÍRT[›ž÷RN[Ì_5C8
=M3"ƒ?
›žeÀabOdq]^ÍRT[ÍÝñ[Š_8WC
CUKxIS
›žeÀabOdq]^ÍRT[›žeÀa[š_AFJ
¤F&)n/7
›žeÀabOdqßÚcf'‰®Š€`]^ÍRT[›žeÀa[§_K38
:EJ% Q
›žeÀa ìLj‰eTc×TIa`]^ÍRT[›žeÀa[DC_D
¥DVQk9B
›žeÀa àä¨I¾/lAÐ\‡mza`]^ÍRT[lAÐ\D[ã_R¶
¥D5Wk96
›žeÀa xpÌ]^ÍRT[›žeÀa xpÌ[¸_2P2
 K50tU9
›žeÀaif„ÙS/ÁRá² Òú‰rgD[›žeÀa[DC_HEF
¥DI.k<T
›žeÀaidkn`]^ÍRT[›žeÀa[_AWG
œG.>yF@
›žeÀa mza`]^ÍRT[›žeÀa[Š_FYG
œDA-xYD
›žeÀa-›RmûA^ÍRT[›žeÀa[Ê_OCW
¥A@1k Y
›žeÀa/¸L~‰dq]^ÍRT[›žeÀa[­_IIY
¢?LIpNR
›ñLp]^ÍRT[›ñLp[y_IYS
E[@1³>4
›™xHidkn`]^ÍRT[›™xH[¶_VWU
8N&T|=
›Tcß`j Mdkn`]^ÍRT[›Tcß`jY[Ö_33M
@("wG$
›Tc÷á-OXF\‡A^ÍRT[OXF\D[C OXC
¨G:Hg&%
›Tc˜O mza`]^ÍRT[›Tc˜O[_`O
œH?<z6"
›TcÝWûeTc×TIa`]^ÍRT[›TcÝWN[Å_hT
§IY=j(
›TcÝWûMdkn`]^ÍRT[›TcÝWN[¸_áV
ŸI()vI6
›TcÝWûmza`]^ÍRT[›TcÝWN[ë_tY
:JTP'/
›TcúLj]^ÍRT[›TcúLj[›_2S5
EME4–!5
›TcúLj mza`]^ÍRT[›TcúLj[®_WVL
ªJ>cF>
›TcVªÚidkn`]^ÍRT[›TcVªÚ[ˆ_40C
 H*!t,X
›TF\‡C´ Mdkn`]^ÍRT[›TF\‡C´Y[Ì_S25
>MMA…,X
›ÝN­ mza`]^ÍRT[›ÝN­[“_JWG
;AQR€7-
›TÃNúLjidkn`]^ÍRT[›TÃNúLj[{_Wú
DBV'—M5
›—S-¿«pÌ]^ÍRT[¿«pÌ[{_O41
DDF8—R1
›Uu¬ÎMdkn`]^ÍRT[›Uu¬A[¦_uN
¢9<ToRP
›U~­ûÏøA^ÍRT[ukAÕ/›U~­N[o_åN
ŸH72uR"
›U~žÎdq]^ÍRT[›U~žA[¸_U•
ŸI :v,+
›UKaidkn`]^ÍRT[›UKa[_Y01
œI.Py:(
›dyEvA^ÍRT[›dyEE[¸_6P3
žI(Iw9#
›Uš{idkn`]^ÍRT[›Uš{[¸_PCZ
žJ2w)
›µAU ·WÏ†ûA^ÍRT[›µAU[¸_AUW
žJUAwCC
›¨OŸidkn`]^ÍRT[›¨OŸ[¸_Y50
žJ Aw02
›¾Rïidkn`]^ÍRT[›¾Rï[_C25
œHJ<z<8
›YCwSS-›mbOdq]^ÍRT[›YCwSS[­_‹S
¢=,Tp5I
›Y‚bOdq]^ÍRT[¿Olc[¥_BJJ
£FR;oS0
›Y‚bOdq]^ÍRT[ŠÏkg˜[K  ¯Q
¡BQ1rQ4
›Y‚ àä¨I¾êÚÍRA^ÍRT[ÕLD³\O[Ê_GWW
¥A9DkWT
›Y‚idkn`/lfi\€‰rgD[›Y‚[‚_LCG
:H,<~XV
›Y‚ ¿ÌcpÌ]^ÍRT[˜A[¨_38U
AD3LAL
›Y‚³\Oidkn`]^ÍRT[›Y‚³\O[Ö_2R0
ž=DCvD$
›Y‚Ñoj-l wÿRmza`Ø\‚ rgD[F\jah‡¿«[Š_TBN
œCJ<z&9
›YN“ÎMdkn`]^ÍRT[›YN“A[“_1K5
;B@/€Q/
¹tHcB µF‰A^ÍRT[tpÏA[‘_52U
CIO=‘1S
¹tHcF\‡lAÐ\‡A^ÍRT[¹tHcF\D[“_Oõ
;A>K€F%
¹Blcb´ Mdkn`]^ÍRT[¹Blcb´Y[_EBS
›H8){R&
¹Blc NF]^ÍRT[l e±O•[M‡ NUI
¦D&Lj7H
¹Ë]^ÍRT[¹Ë[{_O46
EG:Q˜9.
¹ËaØ¼LD[EUö¬A[`_EUF
 =W#s%J
¹xcidkn`]^ÍRT[¹xc[‘_S87
DJ*/’WD
¹L~]^ÍRT[ÿA¾R xpÌ[ˆ_6Y8
¡KI/s=)
¹LªNÀaidkn`]^ÍRT[¹LªNÀa[§_EÀ
:C1<50
¹L½]^ÍRT[wŒF\D[ˆ_35C
¡I%Is<1
¹L½idkn`]^ÍRT[¹L½[¶_68Y
›IJ:{LD
¹L½idkn`/ÁR€ÚØ¼LD[¹L½[NV_LWL
CG% U2
¹L½úLjidkn`/¤ÏevrgD[¹L½úLj[Å_gZ
¦H$@kY6
¹½H]^ÍRT[¹½H[p_6R1
›<,=zOQ
¹LTZ¼û™YšRîA^ÍRT[›DS¿R|[¥_15G
£GGoMS
¹Ìß`j A^ÍRT[uh˜—E[ˆ_49G
¡H@GrT>
¹ÌgøHØ\‡A^ÍRT[ÁZhD[K bPF
¢C5-q-H
¹ÌO¾R]^ÍRT[¹ÌO¾R[¨_sV
BFI%I
¹SñNÀa ¢€NÛ]^ÍRT[¹SñNÀa ¢€NÛ[ë_4X4
;J!I€=V
¹l”s‡Mdkn`]^ÍRT[¹l”sD[¸_ÚB
ŸI72v%G
¹l”¤ÊHbOMMd´ A^ÍRT[¹l”¤ÊH[ˆ_Y31
¢J,Gr(M
¹l ©£RA^šRK[ö^rgD[¨_¨9
BF,5Ž#:
¹lØhÕidkn`]^ÍRT[öRÕ[Ì_D54
:LT~U%
¹lØ\î˜D’]^ÍRT[N‚R[Æ_4U7
CKQJ+"
¹l ’\zÎmza`/Oß º‹Ø¼LD[{RwLLÝN[­_CTJ
 ?CTs'&
¹lÜOµÝûA^ÍRT[µÝN[…_IWS
9;O#}F3
¹l ªÿRq]^ÍRT[¹l ªÿRq[K  9I3
¢CTRq-%
¹liœÈxidkn`]^ÍRT[¹liœÈx[h_AWM
A&$x,"
¹likH±f mza`]^ÍRT[LpÌ[ˆ_BIV
 HJ@t$:
¹l²pe‰mza`]^ÍRT[¹l²peS[Š_dO
œBRHyT(
¹l²OeúLp’ £APp‚”„E[¹l²OeT[y_KWP
DWL*·>V
¹lß^zN eTc×TIa` YŽ’R]^ÍRT[uhjla[WV_CRW
£D4@oA@
¹l ¿«›R‡A^ÍRT[¿«›RD[“_WWR
;B8/=4
¹lu•TcbOdq]^ÍRT[í´vPpeS[Å_HPN
¨G"gH9
¹lcï ltvA^ÍRT[¹lcï[€_Wl
¨G2YeN*
¹lcû{wª× mza`]^ÍRT[fDmWS[Ê_RHP
¡A)IqQM
¹lrg‡A^ÍRT[¹lrgD[e_I72
 F Vt':
¹lrgD-Bh‚‰mza`]^ÍRT[¹lrgD/¢€NGrgD[Ÿ_BAF
¨H';fHW
¹lóidkn`]^ÍRT[¹ló[Ì_D64
=NTMƒ 
¹lO¾R]RB/®Tw]^ÍRT[¢€NGrgD/ukOóE[Ÿ_°F
¨H)Df>#
¹lO¾RØ¼L‡ƒô\bOdq]^ÍRT[õŒÃN[{_õQ
DD4B–MD
¹lÍRA^ÍRT[¹lÍRT[›_14S
FLSOš$!
¹lÍRA^ÍRT[¹lÍRT[“_4F1
9B+/~2M
¹lÍRA^ÍRT[¸u´A[§_71K
:CDR5
¹lÍRAUXoá]^ÍRT[¸u´A[§_72K
:CB-3>
¹l¸Ì‰A^ÍRT[©L[_D17
@DK<Š&T
¹TÞPæidkn`]^ÍRT[¹TÞPæ[`_08A
Ÿ>=Dt1R
¹XF\‡dq]^ÍRT[{DopC[ˆ_{D
¡J.=s7&
íhÝûmza`]^ÍRT[íhÝN[…_hM
9;--~'.
íŽTpÌbOdq]ÁR˜WÝûA^ÍRT[ÁR˜WÝN[Æ_HWQ
BL8U‹Q(
íŽÝûMdkn`]^ÍRT[íŽÝN[¶_ÚH
9KLP~>D
íEgc]Rù]^Ø¼LD[›H›[HI_HHI
@3:S¼ .
íEgcidkn`]^ÍRT[íEgc[…_T59
<A9"‚*
íEgc-ÙŒ]Rù]^Ø¼LD[F\DRÞ[Å_ÀB
§J!2iI*
íEgeÓ¥IObOdq]^ÍRT[íEgeG[WV_HLG
¤F(<nDM
íÚlaveTc×TIa`]^ÍRT[ÍROF ©øÉN´A[Æ_H28
COŽM?
í‘ÿ A^²hK[pNGjY[›_W10
FN!˜8.
í‘ÿ xpÌ ×‰(A¬rgò]^ÍRT[OyÜhÉR[›_NUW
FN3%˜E3
íx~ Cm¯]^ÍRT[ñL¾Rb´Y[NM_94E
?>KIŠ*<
í´vþOU‡A^ÍRT[í´vþOUD[ˆ_42C
¡I?AsL9
í´vdq]^ÍRT[ŠÏkg˜[e_èX
 FHCtL
í´vŠde]^ÍRT[í´vŠde[y_WŠ
?^G3Á6L
í´vŠde mza`]^ÍRT[FáE÷RG[®_IZG
©IY:dVR
í´v€¾Ridkn`]^ÍRT[í´v€¾R[ë_7Q7
<I?H‚J=
í´vS¬È} ¢€NÛ]^ÍRT[í´vS¬È} ¢€NÛ[Æ_7S6
BL;JŒTI
í´Erž]^ÍRT[í´Erž[Æ_58S
DN6;/X
í´EµvNF]^ÍRT[õŒÃNúLj[¦_‚N
¢<2XoR
í´œf]FB]^ÍRT[KNOB NOlc[Š_SZL
›DIO{>R
í´œf]^ÍRT[˜‰f’jS[{_íP
B@-@”6N
í´cI¾R]^ÍRT[í´cI¾R[ç_E24
@?ND‹Y'
í´•‘vdq/JO‰H”´ÝRFØ¼LD[lcªNG/wŒöL½[o_SQI
žGJ@wFA
í´rg‡öRÖ]^ÍRT[H}Djio½[Ê_4W4
¤B/m"J
í´F\D‰A^ÍRT[¹Ë¢\T[Å_B16
§I"Pj>0
í´eÓrg‡×‰N\|]^ÍRT[ˆLÝN[¦_ýE
Ÿ<I3u8
í´eÓrg‡×‰Ã¨H]^ÍRT[ˆLÝN[¦_ÌZ
Ÿ<GUuR
í´T¼R]^ÍRT[í´T¼R[y_¼M
EZLD²I)
¸u´ÎD¸GH‡Exs¹R ÏøA^ÍRT[¸u´A[§_kT
:CE7Y
¸u´ÎãLj A^ÍRT[¸u´ÎöL½[…_F14
;?VQ€BX
¸Œs÷RÓMdkn`]^ÍRT[¸Œs÷RG[ç_E25
A?X,ŽMH
¸LBh’RbOdq]^ÍRT[¾RNa[…_F05
;@+>/ 
¸L÷R]^ÍRT[¸L÷R[›_2S8
EMK*”JD
¸L÷RÝûMdkn`]^ÍRT[¸L÷RÝN[“_H05
9@U+}5D
¸L‡w£ ‘j¸L‡A^ÍRT[¸L‡w£[¸_W23
žJ)Tw+ 
¸LD{{Åa]^ÍRT[ueÎ¢€NG[…_3T8
:=FI3K
¸L©R Rd› A^ÍRT[ÍR`S¿R|[y_05K
CZ)U¸15
¸L©R‚S‰A^šRK[~Ïb´Y[ˆ_24M
¡I,GsHH
¸j Íl]^ÍRT[“pŸb´Y[“_P›
:A> DO
¸j Íl-¸Løw’R‰®Š€`]^ÍRT[¨QGúK[y_BRW
Ae/#ºL%
¸L~‰dq]^ÍRT[N\| ¸L~³\O[Ê_UKF
£B+7o#U
¸L~S-Bhm WYOˆNÓãLj A^ÍRT[¸L~S-Bhm[š_WBW
§G/PiQ&
¸L~S-Bhm/â¤Ïa eTc×TIa`]^ÍRT[¸L~S-Bhm/â¤Ïa[š_AVP
§G20iI6
¸LpšÜhÉR]^ÍRT[Ã¨H”sD/¤YŠÌ/[›_2S9
FLGQ™O6
¸LpR‡A^ÍRT[¸LpRD[¥_8G1
£G 2pI:
¸LpR‡rgD[T¯OA[›_73S
EM,&“ D
¸Lªƒ””ÝûA^ÍRT[œP^E[ˆ_Y87
¡JM8t(
¸Lªƒ” ºEsvJR mza`]^ÍRT[gIZ–ÚHÝN[é_0A9
¢B40p(4
¸LªƒÜi\£ ltvA^ÍRT[ÿNNeÀa[V DDH
¨HS;g,M
¸Lªƒ øí´EH}lØ¼LD[ÉªãR[é_M08
žA*Uw B
¸Lªƒi TUŒ]^ÍRT[Ã¨H”Ola[ã_W78
¤BH@lPT
¸Lªƒ²ÜOBB A^ÍRT[µÝN[…_U
9;DK}.D
¸Lªƒ RØA^uo‡eTc×TIa`]^ÍRT[ÍRf’jS[›_þM
FN%+™;Y
¸Lªƒ R²OGUvMdkn`]^ÍRT[ÙÌ ¢€NÛ[“_†P
9B(=~'%
¸Lªƒ Pnciœ\øA^ÍRT[˜ŒÜA¾N[š_LHV
¦G&'k72
¸Lªƒ‰AUXoá]^rg‡6]^ÍRT[zp”sD[ç_­X
A>S%ŽNY
¸Lªƒ‰dq]^ÍRT[Báf[¥_0G6
¡G: r<6
¸Lªƒ³}Ómza`]^ÍRT[KeÛTmE[â_ŒI
£?I mQ7
¸Lªƒ³}G-í´j dq]^ÍRT[¸Lªƒ³}G[K ”YL
¡BMHr)X
¸LªƒÃN/Ãì‰A^ÍRT[¸LªƒÃN/ÃìS[Å_ëC
¦I,#k%(
¸Lªƒ¢\mza`]^ÍRT[¸Lªƒ¢\T[š_nT
¦G,<jU1
¸Lªla”„e eTc×TIa`]^ÍRT[¸Lªla[Ì_X›
>N-A…K 
¸Lªla mza`]^ÍRT[¸Lªla[¦_X60
¡;3/p:,
¸LLŸRidkn`/J¥ûø€°Ø¼LD[¸LLŸR[¶_BDH
8K%}%L
¸L˜W]^ÍRT[¸L˜W[y_UUO
E[K-´!$
¸L˜W Rd]^ÍRT[©Tw´[ˆ_Yn
¢H,7q=S
¸L˜W ¢€NÛiœ\øA^ÍRT[¸L˜W ¢€NÛ[Š_1H5
œBY5yW-
¸L˜WS/GjNûdq]^ÍRT[¸L˜WS[{_WLW
DE<W˜+ 
¸LˆNÀa]^²hK[¸LˆNÀa[¥_oN
¢E7GqM>
¸LˆNÀa eTc×TIa`]^ÍRT[¸LˆNÀa[Ê_oM
¥@..kT(
¸½`øA^ÍRT[¸½`L[Æ_9U1
BL XŒG$
¸½a]^ÍRT[lEÈsS[h_4F8
›?8A{!.
¸½a”h µF‰A^ÍRT[DIX¼[‘_C48
DK5N‘;
¸½abm¯]^ÍRT[¸½abm¯[›_5W1
EM7%•$?
¸½a eìl€`]^bsTc]^ÍRT[¸½a[Ê_W03
¥AL+kX)
¸½a'‰A^ÍRT[HkK\Y[Ê_E40
£AE%o3:
¸ÊH•Tcidkn`]^ÍRT[¸ÊH•Tc[é_BGF
 A(Et!X
¸ÊH•Tc mza`]^ÍRT[¸ÊH•Tc[ã_“V
¥E&Cl&F
¸ÌÁM]^ÍRT[¸LªŸÏk[C IJD
¨GJEf(O
¸ÌOMidkn`]^ÍRT[¸ÌOM[¶_MWM
8ITN}$@
¸Ì† wŒ]^ÍRT[¸Ì† wŒ[ç_RQE
@AE%‹"!
¸NÛØ¼LD[ÈoôgÈ[š_˜M
§F&-i-U
¸NÛØ\bH€l eTc×TIa`ØLA{©ù]^ÍRT[›[…_73F
:=C83
¸NIFm‡A^ÍRT[¸NIFmD[Æ_9S7
BM?1‹5*
¸NKjRbOdq]^ÍRT[¸NK[…_eK
==LM…*$
¸N‚MUC{idkn`]^ÍRT[¸N‚MUC{[NV_Wè
DFSN“N3
¸N‚R mza`]^ÍRT[¸N‚R[ë_kR
<I54P:
¸N‚—]^ÍRT[¸N‚—[Æ_7S2
ALXBŠ3T
¸NýÉwidkn`]^ÍRT[¸NýÉw[…_F51
9>V2}.J
¸NýÉwidkn`]^ÍRT[¸NýÉw[p_F89
œ>')yGU
¸NaÎMdkn`/ŸXba¤‡rgD[¸NaA[¶_aA
œJ"MyHH
¸NaA-ŠÏÕ®ábOdq]^ÍRT[¸NaA[Ö_5A6
?9TwIO
¸ý˜W-ªÌÿRGH mza`]^ÍRT[¸ý˜W[ç_eW
@A1ŒI3
¸ýTËidkn`]^ÍRT[¸ýTË[¶_10D
›JW,|!U
¸ýÝûrgD[SÅ©R[…_SNK
<>GB‚W 
¸ÏcÜA¾ûmza`]^ÍRT[¸ÏcÜA¾N[¦_zF
¢:!MoK*
¸Ïc‰Mdkn`]^ÍRT[¸ÏcS[…_77F
;=VPY'
¸Ïc£Mdkn`]^ÍRT[¸Ïc£T[_3Y3
8G3L|.
¸â„£A^ÍRT[¸â„£T[®_I¸
ªIWGcHK
¸ëOM]^ÍRT[¸ëOM[Æ_7S4
CKA<9?
¸£ €¾R]^ÍRT[¸£ €¾R[Æ_02T
CKL*ŽXP
¸£ŸûA^ÍRT[¸£ŸN[y_WSM
Ea60´%-
¸ž¯idkn`]^ÍRT[¸ž¯[Ì_6L5
<L,Y>5
¸|ƒØ¼LD[lUhT[¦_SUA
£9(Tn+/
¸—Ÿûmza`]^ÍRT[OžKOž[¸_Ož
ŸIY"v?7
WM 'TeY' ZEHÌcØ¼LD[F¤N~NM¨H[ˆ_66G
¢I0RqHB
¿æørgD/GpSÕW-ãLj dq]^ÍRT[GpSÕW[Æ_GGW
@N*KˆBS
¿LF p~]^ÍRT[×Íja[ˆ_26W
¢H*Ar+T
¿LFvA^²hK[ŸN¾L[…_3T2
9;:K}1B
¿LTcŸNû®Š€`]^ÍRT[»¡µ[Æ_6S3
AKCP‹,3
¿«bOdq mza`]^ÍRT[ÉWªNÓºEs[¥_1G0
¢G5:qCO
¿«bOdq/LªýØ¼LD[ˆ‚A/Ä´ŸN[…_JDD
9>J>};M
¿«BevMdkn`]^ÍRT[¿«BeE[_3Y4
9GJ(}G
¿«BevMdkn`]^ÍRT[¿«BeE[NJ_OBI
§E+'hMG
¿«ÁWîA^ÍRT[¸NIFmD[Æ_í0
AMLL‹"I
¿«p~]^ÍRT[¿«p~[{_O42
CB5V•$7
¿«pÌ ltvA^ÍRT[¿«pÌ[›_W27
FKSW˜J-
¿«RUÐbOdq]^ÍRT[Aåµ[h_M60
œA.1y.+
¿«RUÐ p~]^ÍRT[¸NN[ˆ_53W
¡I?/rXJ
¿«›R‡rgD[{M©N[â_CDN
£@/n?S
¿«¿R|]^ÍRT[¿«¿R|[p_1R4
›=%Az<#
¿£ ®Š€`]^ÍRT[N\|ÍRT[ˆ_5D5
¡K'Rs@>
¿R°lc mza`]^ÍRT[¿R°lc[Ÿ_\H
©H. eR>
¿RpÌidkn`]^ÍRT[¿RpÌ[W  WRL
@IWL‰W 
¿R|eÀaidkn`]^ÍRT[¿R|eÀa[¶_OTG
9IE0}@K
W¤N’LøA^ÍRT[W¤N’LL[y_WRG
HV;"¢4)
W¤ Mdkn`]^ÍRT[W¤Y[_áA
=F$„,:
Wmýiœ\øA^ÍRT[Wmý[­_65J
¢?+4p5"
W€GHhù]^Ø¼L‡(F\lE›RT)/ˆD„mza`]^ÍRT[F\lE›R(He•úLj)[­_LHW
¢=S.o?L
W€GHT-š—cÃûAFB]^ÍRT[ÒYÝN[¥_ÐO
¢EO?r L
W}T³\O/S¬ªãûdq]^ÍRT[W}T³\O[Å_N82
§GARh9?
WYf·dq]^ÍRT[UPóR ÙÌµKY[¥_56D
¢FSq0R
WYNKOOP]^ÍRT[Šd¾RNa[¥_6G4
£F3Tp;K
YyIŸ]^ TRML/è`ªlcØ¼LD[YyIŸ[›_YKM
EL@#–>E
Yy¨t]^ÍRT[Yy¨t[y_Yy
HY<*©EC
Y`vA^ÍRT[Y`E[ˆ_D20
£I$FpM*
Yƒšß`j A^ÍRT[ÁY©N[_HDN
@F:R‰+"
Yf°YúLjidkn`]^ÍRT[Yf°YúLj[Ê_6W4
¤B5Ym5@
Yf~vCm¯ 2]^ÍRT[Yf~vCm¯[y_A77
B]%º4 
Yt•bsTcidkn`]^ÍRT[Yt•bsTc[§_3õ
9CQ/}JR
YçOObOdq]^ÍRT[YçOOb´Y[Ö_87I
>Sx9P
Yg˜WlavA^ÍRT[¹l Yg˜WlaE[Æ_WYS
BJG0%"
Yg˜Wlavmza`]^ÍRT[DY[W b«
AJ=+‹8
YceÀaidkn`]^ÍRT[YceÀa[NV_O43
CE1•'6
YOyÞbOdq]^ÍRT[PpeS[…_F98
=?+ „ON
YOyÞidkn`]^ÍRT[YOyÞ[…_T85
:;0M&0
YOyÞ-©FmNûhùÜgn\T[F\«üKojs)[…_HLR
:=&-HQ
YObOdq]^ÍRT[ÒúS/¿«pÌ/¸ÏcS[{_D›
DD@L—Q7
Y\îA^ÍRT[Y\K[š_|V
¦EUjR5
Y\îMdkn`]^ÍRT[Y\K[‚_JYR
:FSMC9
YOdÛÝWûg£RiÚw]^ÍRT[YOdÛÝWN[¥_4G4
¤FWHnFD
YOdÛÝWN/›Rmûmza`]^ÍRT[YOdÛÝWN/›RmN[¥_YNG
¤G-HnFO
YUBÎdq]^ÍRT[ŸáÑoj[{_ùV
DE#R—@)
YUC{ß`j A^ÍRT[YUC{ß`jY[{_L22
B@%M’67
YÞÎè„/YÞÎeTc×TIa`]^ÍRT[YÞA[ç_ÅL
A>E6B4
YÞÎMdkn`]^ÍRT[YÞA[_2V6
=F$3„HR
ZiêAŒ lgørgD[CwS£—[h_CRT
œ?(HyRO
Zƒó€NIØ¼LD[ÝR¤ÊE[{_ÝA
B?N*”25
Zf•úLjidkn`]^ÍRT[Zf•úLj[¥_ZZV
£EVFoS>
ZfG’Rße’]^šRK[pRu¿«[_2ã
9I9 ~6/
ZAšbOdq]^ÍRT[ZAš[…_APY
;8X&,V
Zg¼NOPjidkn`]^ÍRT[Zg¼NOPj[š_PJC
¤FN(n'F
Zg®Riœ\øA^šRîeC]^ÍRT[šLù¤[o_5K1
E7*wY:
ZEÈYRHo½idkn`]^ÍRT[ZEÈYRHo½[¦_ZÈ
¡:+Bp'2
99
