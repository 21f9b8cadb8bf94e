-- Przykładowe reguły Tallar2: ułomności (ULOMNOSC) i zdolności nadnaturalne (ZDOLNOSC)
-- z zakresami rzutów K100 i ich formułami. Powiązania z rasami są w 03-rasy.sql.
-- Identyfikatory: 1, 20 zer, kod tabeli (301 zdolności, 302 formuły) i numer.

-- Ułomności i zdolności. Zakresy każdego rodzaju pokrywają 1-100; Lęk przed żelazem
-- (tylko elfy) i Kamienna skóra (tylko krasnoludy) mają węższe zakresy, które wygrywają.
INSERT INTO zdolnosci (id, typ, nazwa, od, do, opis) VALUES
    ('100000000000000000000301000001', 'ULOMNOSC', 'Kulawy', '1', '15', 'Utyka na jedną nogę.'),
    ('100000000000000000000301000002', 'ULOMNOSC', 'Słaby wzrok', '16', '30', 'Widzi niewyraźnie z daleka.'),
    ('100000000000000000000301000003', 'ULOMNOSC', 'Chorowity', '31', '45', 'Łatwo zapada na choroby.'),
    ('100000000000000000000301000004', 'ULOMNOSC', 'Niezdarny', '46', '60', 'Wszystko leci mu z rąk.'),
    ('100000000000000000000301000005', 'ULOMNOSC', 'Otyły', '61', '75', 'Nadmiar wagi spowalnia.'),
    ('100000000000000000000301000006', 'ULOMNOSC', 'Pechowiec', '76', '90', 'Los mu nie sprzyja: zawsze najgorszy wynik.'),
    ('100000000000000000000301000007', 'ULOMNOSC', 'Jąkała', '91', '100', 'Jąka się w chwilach napięcia.'),
    ('100000000000000000000301000008', 'ULOMNOSC', 'Lęk przed żelazem', '91', '95', 'Zimne żelazo budzi w nim trwogę.'),
    ('100000000000000000000301000009', 'ZDOLNOSC', 'Bystre oko', '1', '15', 'Dostrzega to, czego inni nie widzą.'),
    ('100000000000000000000301000010', 'ZDOLNOSC', 'Żelazne zdrowie', '16', '30', 'Nie ima się go żadna choroba.'),
    ('100000000000000000000301000011', 'ZDOLNOSC', 'Wybraniec losu', '31', '40', 'Los mu sprzyja: zawsze najlepszy wynik.'),
    ('100000000000000000000301000012', 'ZDOLNOSC', 'Kocie ruchy', '41', '55', 'Zwinny i szybki jak kot.'),
    ('100000000000000000000301000013', 'ZDOLNOSC', 'Kamienna skóra', '41', '45', 'Skóra twarda jak skała.'),
    ('100000000000000000000301000014', 'ZDOLNOSC', 'Dar magii', '56', '70', 'Wrodzony talent do czarów.'),
    ('100000000000000000000301000015', 'ZDOLNOSC', 'Urodzony szermierz', '71', '85', 'Broń sieczna jest przedłużeniem ręki.'),
    ('100000000000000000000301000016', 'ZDOLNOSC', 'Olbrzymi wzrost', '86', '100', 'Góruje nad innymi.');

-- Formuły: typ (typ1 znak1 typ2 ...; albo MAX/MIN w typ1), a dla każdego współczynnika
-- znak (+ - * / =), kwota w kostkach, mnożnik przyrostów i limit; dalej opóźnienie (op),
-- waga (wag), wzrost (wzr) i biegłość (bgl). Biegłość dotyczy grup broni z formulybrone.
-- Liczby w wyrażeniach są całkowite; ułamek zapisuje się dzieleniem (4/5).

-- Kulawy
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    szznak, szkxx, szwsp, szlimit,
    opznak, opkxx)
VALUES (
    '100000000000000000000302000001', '100000000000000000000301000001', 'ULOMNOSC', '1',
    '-', 'K10+5', '', '',
    '+', '1');

-- Słaby wzrok
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000002', '100000000000000000000301000002', 'ULOMNOSC', '1',
    '-', '2K10', '', '-5');

-- Chorowity
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    odp6znak, odp6kxx, odp6wsp, odp6limit,
    zywznak, zywkxx, zywwsp, zywlimit)
VALUES (
    '100000000000000000000302000003', '100000000000000000000301000003', 'ULOMNOSC', '1',
    '-', 'K10', '', '',
    '*', '4/5', '9/10', '');

-- Niezdarny
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit)
VALUES (
    '100000000000000000000302000004', '100000000000000000000301000004', 'ULOMNOSC', '1',
    '/', '5/4', '4/5', '');

-- Otyły
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    szznak, szkxx, szwsp, szlimit,
    wagznak, wagkxx)
VALUES (
    '100000000000000000000302000005', '100000000000000000000301000005', 'ULOMNOSC', '1',
    '-', 'K5', '', '',
    '+', '2K10');

-- Pechowiec
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000006', '100000000000000000000301000006', 'ULOMNOSC', 'MIN',
    '=', '', '', '',
    '=', '', '', '');

-- Jąkała
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit,
    prznak, prkxx, prwsp, prlimit)
VALUES (
    '100000000000000000000302000007', '100000000000000000000301000007', 'ULOMNOSC', '1',
    '-', 'K10', '', '',
    '-', 'K5', '', '');

-- Lęk przed żelazem
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    odp9znak, odp9kxx, odp9wsp, odp9limit,
    wiznak, wikxx, wiwsp, wilimit)
VALUES (
    '100000000000000000000302000008', '100000000000000000000301000008', 'ULOMNOSC', '1',
    '-', '10', '', '',
    '-', 'K3', '', '');

-- Bystre oko
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000009', '100000000000000000000301000009', 'ZDOLNOSC', '1',
    '+', 'K10+5', '', '');

-- Żelazne zdrowie
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1, znak1, typ2,
    odp6znak, odp6kxx, odp6wsp, odp6limit,
    zywznak, zywkxx, zywwsp, zywlimit)
VALUES (
    '100000000000000000000302000010', '100000000000000000000301000010', 'ZDOLNOSC', 'K2', '*', '1',
    '+', '5', '', '',
    '+', 'K10', '', '250');

-- Wybraniec losu
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit,
    szznak, szkxx, szwsp, szlimit,
    wzrznak, wzrkxx)
VALUES (
    '100000000000000000000302000011', '100000000000000000000301000011', 'ZDOLNOSC', 'MAX',
    '=', '', '', '',
    '=', '', '', '',
    '=', '');

-- Kocie ruchy
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit,
    szznak, szkxx, szwsp, szlimit)
VALUES (
    '100000000000000000000302000012', '100000000000000000000301000012', 'ZDOLNOSC', '1',
    '+', 'K5', '6/5', '95',
    '*', '11/10', '', '');

-- Kamienna skóra
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    odp10znak, odp10kxx, odp10wsp, odp10limit,
    zywznak, zywkxx, zywwsp, zywlimit)
VALUES (
    '100000000000000000000302000013', '100000000000000000000301000013', 'ZDOLNOSC', '1',
    '+', '10', '', '',
    '+', 'K5', '', '');

-- Dar magii
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1, znak1, typ2,
    amagznak, amagkxx, amagwsp, amaglimit,
    umznak, umkxx, umwsp, umlimit)
VALUES (
    '100000000000000000000302000014', '100000000000000000000301000014', 'ZDOLNOSC', '2', '/', '2',
    '+', '5', '', '',
    '+', 'K10', '3/2', '');

-- Urodzony szermierz
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    opznak, opkxx,
    bglznak, bglkxx)
VALUES (
    '100000000000000000000302000015', '100000000000000000000301000015', 'ZDOLNOSC', '1',
    '-', '1',
    '+', '5');

-- Olbrzymi wzrost
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit,
    wagznak, wagkxx,
    wzrznak, wzrkxx)
VALUES (
    '100000000000000000000302000016', '100000000000000000000301000016', 'ZDOLNOSC', '1',
    '+', 'K5', '', '',
    '+', 'K10+10',
    '+', '2K10');

-- Grupy broni formuł z biegłością.
INSERT INTO formulybrone (idgrupybroni, idformuly) VALUES
    ('100000000000000000000701000001', '100000000000000000000302000015'),
    ('100000000000000000000701000002', '100000000000000000000302000015');
