-- Przykładowe reguły Tallar2: zawody trzech klas (CHŁOPSKA, MIEJSKA, SZLACHECKA), ich
-- umiejętności i formuły na stopień (ZAWOD1 podstawy, ZAWODS starz, ZAWOD2 specjalista,
-- ZAWOD3 mistrz, ZAWOD4 mistrz cechu) oraz rasy, które mogą się ich uczyć. W każdej klasie
-- jeden zawód ma starz i formuły lub umiejętności na każdym stopniu: Myśliwy, Kowal,
-- Dowódca straży.
-- Zakresy rzutów każdej klasy pokrywają 1-100; 97-100 to rzuty specjalne (bez modyfikatora).
-- Identyfikatory: 1, 20 zer, kod tabeli (501 zawody, 302 formuły) i numer.

-- Zawody: czas nauki i starzu oraz punkty doświadczenia (pd) i majątek (maj) każdego
-- stopnia jako kostki (kxx) i stała. Pusty stopień bierze wartości poprzedniego.
-- innaklasa: rzut powtarza się w tej klasie.
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000001', 'Rolnik', '1', '30', 'CHŁOPSKA', '',
    'Uprawa roli.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000002', 'Pasterz', '31', '50', 'CHŁOPSKA', '',
    'Wypas bydła i owiec; mistrz ma te same dochody co specjalista.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '', '', '', '');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000003', 'Drwal', '51', '65', 'CHŁOPSKA', '',
    'Wyrąb lasu.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000004', 'Rybak', '66', '80', 'CHŁOPSKA', '',
    'Połów ryb.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000005', 'Myśliwy', '81', '96', 'CHŁOPSKA', '',
    'Polowanie na zwierzynę; można przejść dobrowolny starz, każdy stopień ma formuły.',
    'K5+1', 'K2', 'K10', '10', 'K10', '5',
    'K10', '15', '', '8', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000006', 'Czeladnik miejski', '97', '100', 'CHŁOPSKA', 'MIEJSKA',
    'Rzut specjalny: postać uczy się zawodu miejskiego (rzut w klasie MIEJSKA).',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000007', 'Kowal', '1', '20', 'MIEJSKA', '',
    'Kucie żelaza; można przejść dobrowolny starz.',
    'K5+1', 'K2', 'K10', '10', 'K10', '5',
    '2K10', '10', 'K5', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000008', 'Płatnerz', '15', '20', 'MIEJSKA', '',
    'Wyrób zbroi; węższy zakres wygrywa z kowalem.',
    'K5+1', 'K2', 'K10', '10', 'K10', '5',
    '2K10', '10', 'K5', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000009', 'Cieśla', '21', '40', 'MIEJSKA', '',
    'Budowa z drewna.',
    'K5+1', 'K2', 'K10', '10', 'K10', '5',
    '2K10', '10', 'K5', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000010', 'Piekarz', '41', '55', 'MIEJSKA', '',
    'Wypiek chleba; specjalista ma dochody starzu, a bez starzu podstaw.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '', '',
    '', '', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000011', 'Krawiec', '56', '70', 'MIEJSKA', '',
    'Szycie odzieży.',
    'K5+1', 'K2', 'K10', '10', 'K10', '5',
    '2K10', '10', 'K5', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000012', 'Kupiec', '71', '96', 'MIEJSKA', '',
    'Handel towarami.',
    'K5+1', '', 'K10', '10', '5K10', '20',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000013', 'Alchemik', '97', '100', 'MIEJSKA', '',
    'Rzut specjalny: tajemna sztuka przemiany.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000014', 'Zarządca majątku', '1', '40', 'SZLACHECKA', '',
    'Prowadzenie gospodarstwa pańskiego.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000015', 'Dowódca straży', '41', '70', 'SZLACHECKA', '',
    'Dowodzenie oddziałem; można przejść dobrowolny starz.',
    'K5+1', 'K3', 'K10', '10', 'K10', '5',
    '2K10', '10', 'K10', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000016', 'Dyplomata', '71', '96', 'SZLACHECKA', '',
    'Prowadzenie rokowań.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');
INSERT INTO zawod (
    id, nazwa, od, do, klasa, innaklasa,
    opis,
    czas, czasstarz, podstpdkxx, podstpd, podstmajkxx, podstmaj,
    starzpdkxx, starzpd, starzmajkxx, starzmaj, specjpdkxx, specjpd,
    specjmajkxx, specjmaj, mistrzpdkxx, mistrzpd, mistrzmajkxx, mistrzmaj)
VALUES (
    '100000000000000000000501000017', 'Uczony', '97', '100', 'SZLACHECKA', '',
    'Rzut specjalny: lata w bibliotekach.',
    'K5+1', '', 'K10', '10', 'K10', '5',
    '', '', '', '', '3K10', '20',
    '2K10', '20', '5K10', '50', '5K10', '100');

-- Umiejętności zawodów od stopnia.
INSERT INTO zawodumiej (idzawod, idumiej, typ) VALUES
    ('100000000000000000000501000002', '100000000000000000000601000007', 'ZAWOD1'),
    ('100000000000000000000501000003', '100000000000000000000601000004', 'ZAWOD2'),
    ('100000000000000000000501000004', '100000000000000000000601000005', 'ZAWOD1'),
    ('100000000000000000000501000005', '100000000000000000000601000006', 'ZAWOD1'),
    ('100000000000000000000501000005', '100000000000000000000601000004', 'ZAWODS'),
    ('100000000000000000000501000005', '100000000000000000000601000003', 'ZAWOD2'),
    ('100000000000000000000501000005', '100000000000000000000601000008', 'ZAWOD3'),
    ('100000000000000000000501000005', '100000000000000000000601000009', 'ZAWOD4'),
    ('100000000000000000000501000007', '100000000000000000000601000018', 'ZAWOD1'),
    ('100000000000000000000501000007', '100000000000000000000601000026', 'ZAWODS'),
    ('100000000000000000000501000007', '100000000000000000000601000013', 'ZAWOD2'),
    ('100000000000000000000501000008', '100000000000000000000601000018', 'ZAWOD1'),
    ('100000000000000000000501000009', '100000000000000000000601000019', 'ZAWOD1'),
    ('100000000000000000000501000009', '100000000000000000000601000004', 'ZAWOD3'),
    ('100000000000000000000501000012', '100000000000000000000601000026', 'ZAWOD1'),
    ('100000000000000000000501000012', '100000000000000000000601000010', 'ZAWOD2'),
    ('100000000000000000000501000013', '100000000000000000000601000009', 'ZAWOD1'),
    ('100000000000000000000501000013', '100000000000000000000601000010', 'ZAWOD2'),
    ('100000000000000000000501000014', '100000000000000000000601000010', 'ZAWOD1'),
    ('100000000000000000000501000015', '100000000000000000000601000007', 'ZAWOD1'),
    ('100000000000000000000501000015', '100000000000000000000601000005', 'ZAWODS'),
    ('100000000000000000000501000015', '100000000000000000000601000012', 'ZAWOD2'),
    ('100000000000000000000501000015', '100000000000000000000601000010', 'ZAWOD3'),
    ('100000000000000000000501000016', '100000000000000000000601000010', 'ZAWOD1'),
    ('100000000000000000000501000017', '100000000000000000000601000010', 'ZAWOD1');

-- Rasy, które mogą uczyć się zawodów.
INSERT INTO zawodrasa (idzawod, idrasa) VALUES
    ('100000000000000000000501000001', '100000000000000000000101000001'),
    ('100000000000000000000501000001', '100000000000000000000101000002'),
    ('100000000000000000000501000001', '100000000000000000000101000003'),
    ('100000000000000000000501000001', '100000000000000000000101000004'),
    ('100000000000000000000501000002', '100000000000000000000101000001'),
    ('100000000000000000000501000002', '100000000000000000000101000002'),
    ('100000000000000000000501000002', '100000000000000000000101000003'),
    ('100000000000000000000501000002', '100000000000000000000101000004'),
    ('100000000000000000000501000003', '100000000000000000000101000001'),
    ('100000000000000000000501000003', '100000000000000000000101000002'),
    ('100000000000000000000501000003', '100000000000000000000101000003'),
    ('100000000000000000000501000003', '100000000000000000000101000004'),
    ('100000000000000000000501000004', '100000000000000000000101000001'),
    ('100000000000000000000501000004', '100000000000000000000101000002'),
    ('100000000000000000000501000004', '100000000000000000000101000003'),
    ('100000000000000000000501000004', '100000000000000000000101000004'),
    ('100000000000000000000501000005', '100000000000000000000101000001'),
    ('100000000000000000000501000005', '100000000000000000000101000002'),
    ('100000000000000000000501000005', '100000000000000000000101000003'),
    ('100000000000000000000501000005', '100000000000000000000101000004'),
    ('100000000000000000000501000006', '100000000000000000000101000001'),
    ('100000000000000000000501000006', '100000000000000000000101000002'),
    ('100000000000000000000501000006', '100000000000000000000101000003'),
    ('100000000000000000000501000006', '100000000000000000000101000004'),
    ('100000000000000000000501000007', '100000000000000000000101000001'),
    ('100000000000000000000501000007', '100000000000000000000101000002'),
    ('100000000000000000000501000007', '100000000000000000000101000003'),
    ('100000000000000000000501000007', '100000000000000000000101000004'),
    ('100000000000000000000501000008', '100000000000000000000101000001'),
    ('100000000000000000000501000008', '100000000000000000000101000002'),
    ('100000000000000000000501000008', '100000000000000000000101000003'),
    ('100000000000000000000501000008', '100000000000000000000101000004'),
    ('100000000000000000000501000009', '100000000000000000000101000001'),
    ('100000000000000000000501000009', '100000000000000000000101000002'),
    ('100000000000000000000501000009', '100000000000000000000101000003'),
    ('100000000000000000000501000009', '100000000000000000000101000004'),
    ('100000000000000000000501000010', '100000000000000000000101000001'),
    ('100000000000000000000501000010', '100000000000000000000101000002'),
    ('100000000000000000000501000010', '100000000000000000000101000003'),
    ('100000000000000000000501000010', '100000000000000000000101000004'),
    ('100000000000000000000501000011', '100000000000000000000101000001'),
    ('100000000000000000000501000011', '100000000000000000000101000002'),
    ('100000000000000000000501000011', '100000000000000000000101000003'),
    ('100000000000000000000501000011', '100000000000000000000101000004'),
    ('100000000000000000000501000012', '100000000000000000000101000001'),
    ('100000000000000000000501000012', '100000000000000000000101000002'),
    ('100000000000000000000501000012', '100000000000000000000101000003'),
    ('100000000000000000000501000012', '100000000000000000000101000004'),
    ('100000000000000000000501000013', '100000000000000000000101000001'),
    ('100000000000000000000501000013', '100000000000000000000101000002'),
    ('100000000000000000000501000013', '100000000000000000000101000003'),
    ('100000000000000000000501000013', '100000000000000000000101000004'),
    ('100000000000000000000501000014', '100000000000000000000101000001'),
    ('100000000000000000000501000014', '100000000000000000000101000002'),
    ('100000000000000000000501000014', '100000000000000000000101000003'),
    ('100000000000000000000501000014', '100000000000000000000101000004'),
    ('100000000000000000000501000015', '100000000000000000000101000001'),
    ('100000000000000000000501000015', '100000000000000000000101000002'),
    ('100000000000000000000501000015', '100000000000000000000101000003'),
    ('100000000000000000000501000015', '100000000000000000000101000004'),
    ('100000000000000000000501000016', '100000000000000000000101000001'),
    ('100000000000000000000501000016', '100000000000000000000101000002'),
    ('100000000000000000000501000016', '100000000000000000000101000003'),
    ('100000000000000000000501000016', '100000000000000000000101000004'),
    ('100000000000000000000501000017', '100000000000000000000101000001'),
    ('100000000000000000000501000017', '100000000000000000000101000002'),
    ('100000000000000000000501000017', '100000000000000000000101000003'),
    ('100000000000000000000501000017', '100000000000000000000101000004');

-- Formuły stopni zawodów (typ_nad to kod stopnia).

-- Rolnik, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zywznak, zywkxx, zywwsp, zywlimit)
VALUES (
    '100000000000000000000302000017', '100000000000000000000501000001', 'ZAWOD1', '1',
    '+', '2', '', '');

-- Rolnik, ZAWOD2
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000018', '100000000000000000000501000001', 'ZAWOD2', '1',
    '+', 'K3', '', '');

-- Pasterz, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000019', '100000000000000000000501000002', 'ZAWOD1', '1',
    '+', 'K3', '', '');

-- Drwal, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000020', '100000000000000000000501000003', 'ZAWOD1', '1',
    '+', 'K3', '', '');

-- Drwal, ZAWOD3
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000021', '100000000000000000000501000003', 'ZAWOD3', '1',
    '+', '2', '11/10', '');

-- Myśliwy, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit,
    bglznak, bglkxx)
VALUES (
    '100000000000000000000302000022', '100000000000000000000501000005', 'ZAWOD1', '1',
    '+', 'K3', '', '',
    '+', '2');

-- Kowal, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000023', '100000000000000000000501000007', 'ZAWOD1', '1',
    '+', '1', '', '');

-- Kowal, ZAWODS
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000024', '100000000000000000000501000007', 'ZAWODS', '1',
    '+', '2', '', '');

-- Kowal, ZAWOD2
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zywznak, zywkxx, zywwsp, zywlimit,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000025', '100000000000000000000501000007', 'ZAWOD2', '1',
    '+', '2', '', '',
    '+', 'K3', '', '');

-- Kowal, ZAWOD3
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000026', '100000000000000000000501000007', 'ZAWOD3', '1',
    '+', '1', '11/10', '180');

-- Płatnerz, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit,
    zrznak, zrkxx, zrwsp, zrlimit)
VALUES (
    '100000000000000000000302000027', '100000000000000000000501000008', 'ZAWOD1', '1',
    '+', '1', '', '',
    '+', '1', '', '');

-- Cieśla, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit)
VALUES (
    '100000000000000000000302000028', '100000000000000000000501000009', 'ZAWOD1', '1',
    '+', 'K2', '', '');

-- Krawiec, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit)
VALUES (
    '100000000000000000000302000029', '100000000000000000000501000011', 'ZAWOD1', '1',
    '+', '1', '', '');

-- Kupiec, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit)
VALUES (
    '100000000000000000000302000030', '100000000000000000000501000012', 'ZAWOD1', '1',
    '+', 'K3', '', '');

-- Alchemik, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    intznak, intkxx, intwsp, intlimit,
    umznak, umkxx, umwsp, umlimit)
VALUES (
    '100000000000000000000302000031', '100000000000000000000501000013', 'ZAWOD1', '1',
    '+', 'K5', '', '',
    '+', '1', '', '');

-- Zarządca majątku, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    intznak, intkxx, intwsp, intlimit)
VALUES (
    '100000000000000000000302000032', '100000000000000000000501000014', 'ZAWOD1', '1',
    '+', 'K2', '', '');

-- Dowódca straży, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit,
    bglznak, bglkxx)
VALUES (
    '100000000000000000000302000033', '100000000000000000000501000015', 'ZAWOD1', '1',
    '+', 'K3', '', '',
    '+', '3');

-- Dyplomata, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit,
    prznak, prkxx, prwsp, prlimit)
VALUES (
    '100000000000000000000302000034', '100000000000000000000501000016', 'ZAWOD1', '1',
    '+', 'K3', '', '',
    '+', 'K3', '', '');

-- Uczony, ZAWOD1
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    intznak, intkxx, intwsp, intlimit,
    mdznak, mdkxx, mdwsp, mdlimit)
VALUES (
    '100000000000000000000302000035', '100000000000000000000501000017', 'ZAWOD1', '1',
    '+', 'K5', '', '',
    '+', 'K3', '', '');

-- Myśliwy, ZAWODS
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000101', '100000000000000000000501000005', 'ZAWODS', '1',
    '+', '1', '', '');

-- Myśliwy, ZAWOD2
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zrznak, zrkxx, zrwsp, zrlimit)
VALUES (
    '100000000000000000000302000102', '100000000000000000000501000005', 'ZAWOD2', '1',
    '+', 'K2', '', '');

-- Myśliwy, ZAWOD3: Zauważenie rośnie szybciej, ale najwyżej do 120.
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000103', '100000000000000000000501000005', 'ZAWOD3', '1',
    '+', '2', '11/10', '120');

-- Myśliwy, ZAWOD4 (mistrzowie cechu liczą się ponad mistrzem)
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    zwznak, zwkxx, zwwsp, zwlimit)
VALUES (
    '100000000000000000000302000104', '100000000000000000000501000005', 'ZAWOD4', '1',
    '+', '1', '', '');

-- Dowódca straży, ZAWODS
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit)
VALUES (
    '100000000000000000000302000105', '100000000000000000000501000015', 'ZAWODS', '1',
    '+', '1', '', '');

-- Dowódca straży, ZAWOD2
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000106', '100000000000000000000501000015', 'ZAWOD2', '1',
    '+', 'K3', '', '');

-- Dowódca straży, ZAWOD3
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    chznak, chkxx, chwsp, chlimit)
VALUES (
    '100000000000000000000302000107', '100000000000000000000501000015', 'ZAWOD3', '1',
    '+', '2', '', '');

-- Kowal, ZAWOD4
INSERT INTO formuly (
    id, id_nad, typ_nad, typ1,
    sfznak, sfkxx, sfwsp, sflimit)
VALUES (
    '100000000000000000000302000108', '100000000000000000000501000007', 'ZAWOD4', '1',
    '+', '1', '', '');

-- Grupy broni formuł z biegłością.
INSERT INTO formulybrone (idgrupybroni, idformuly) VALUES
    ('100000000000000000000701000004', '100000000000000000000302000022'),
    ('100000000000000000000701000008', '100000000000000000000302000022'),
    ('100000000000000000000701000001', '100000000000000000000302000033'),
    ('100000000000000000000701000003', '100000000000000000000302000033');
