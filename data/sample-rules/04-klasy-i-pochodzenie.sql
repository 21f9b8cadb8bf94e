-- Przykładowe reguły Tallar2: klasy społeczne i miejsca urodzenia. Zakresy rzutów K100
-- pokrywają 1-100; tam, gdzie zachodzą na siebie, wygrywa węższy (Włóczędzy, Klasztor,
-- Obozowisko wędrowców).
-- Identyfikatory: 1, 20 zer, kod tabeli (201 klasy, 202 miejsca urodzenia) i numer.

-- Klasa społeczna: zakres rzutu, klasa zawodów, majątek i charyzma (kostki) oraz
-- modyfikator rzutu na zawód. Majątek Możnowładców przekracza 100, więc część
-- trafia do banku; majątek Włóczędzy bywa ujemny (brak złota).
INSERT INTO klasyspoleczne (id, nazwa, rzutod, rzutdo, klasa, majatek, charyzma, zawod) VALUES
    ('100000000000000000000201000001', 'Chłopi', '1', '45', 'CHŁOPSKA', 'K10', '0', '-5'),
    ('100000000000000000000201000002', 'Włóczędzy', '40', '47', 'CHŁOPSKA', 'K5-3', '-K5', '-10'),
    ('100000000000000000000201000003', 'Mieszczanie', '46', '80', 'MIEJSKA', '2K10+10', 'K5', '0'),
    ('100000000000000000000201000004', 'Szlachta', '81', '97', 'SZLACHECKA', '5K10+50', 'K10', '5'),
    ('100000000000000000000201000005', 'Możnowładcy', '98', '100', 'SZLACHECKA', '10K10+200', 'K10+5', '10');

-- Miejsca urodzenia.
INSERT INTO miejscurodz (id, nazwa, rzutod, rzutdo) VALUES
    ('100000000000000000000202000001', 'Wieś', '1', '45'),
    ('100000000000000000000202000002', 'Klasztor', '40', '42'),
    ('100000000000000000000202000003', 'Osada górnicza', '46', '55'),
    ('100000000000000000000202000004', 'Miasteczko', '56', '75'),
    ('100000000000000000000202000005', 'Miasto portowe', '76', '90'),
    ('100000000000000000000202000006', 'Obozowisko wędrowców', '88', '89'),
    ('100000000000000000000202000007', 'Stolica', '91', '100');
