-- Przykładowe reguły Tallar2: umiejętności, ich szanse, rzuty obronne, skutki rzutów,
-- modyfikacje i powiązania (umiejętność zapożyczona, umiejętności łączone, szkolenia).
-- Identyfikatory: 1, 20 zer, kod tabeli (601 umiejętności, 602 szanse, 603 rzuty obronne,
-- 604 skutki, 605 modyfikacje) i numer.

-- Umiejętności. Flagi, których nie wymieniono, mają wartość N.
-- Rzemiosło jest zapożyczone (wybór jednej z umiejętności powiązanych), Szermierka
-- i Parowanie oraz Kamieniarstwo i Rzeźba w kamieniu są łączone, dwie ostatnie walki to
-- szkolenia: $SZKOLENIE|poziom|cena[|cena ulgowa].
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000001', 'Walka tarczą', 'Walka', '', 'Lepsze użycie tarczy: większa obrona, mniejsze ograniczenie zręczności.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000002', 'Mistrzostwo tarczy', 'Walka', '', 'Tarcza mniej spowalnia i lepiej osłania.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000003', 'Skradanie się', 'Złodziejskie', '', 'Ciche poruszanie się.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000004', 'Wspinaczka', 'Ogólne', '', 'Wspinanie się po murach i skałach.',
    'T', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000005', 'Pływanie', 'Ogólne', '', 'Utrzymanie się na wodzie i pływanie.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000006', 'Tropienie', 'Przetrwanie', '', 'Odczytywanie śladów zwierząt i ludzi.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000007', 'Jazda konna', 'Ogólne', '', 'Panowanie nad wierzchowcem.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000008', 'Leczenie ran', 'Wiedza', '', 'Opatrywanie ran i tamowanie krwi.',
    'T', 'N', 'N', 'N', 'T', 'N', 'N', 'T', 'N', 'N', 'N', 'N',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000009', 'Zielarstwo', 'Wiedza', '', 'Znajomość ziół i ich działania.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000010', 'Czytanie i pisanie', 'Wiedza', '', 'Znajomość pisma.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000011', 'Modlitwa', 'Kapłańskie', '', 'Prośba o wsparcie bóstwa.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'T', 'T', 'T', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000012', 'Zastraszenie', 'Towarzyskie', '', 'Wzbudzanie strachu w przeciwniku.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'T', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000013', 'Ogłuszenie ciosem', 'Walka', '', 'Cios obuchem, który pozbawia przytomności.',
    'T', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000014', 'Widzenie w mroku', 'Rasowe', '', 'Widzenie przy świetle gwiazd.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000015', 'Wyczucie kamienia', 'Rasowe', '', 'Wyczuwanie spadków, pustek i ruchomych ścian w kamieniu.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000016', 'Węch tropiciela', 'Rasowe', '', 'Tropienie po zapachu.',
    'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000017', 'Rzemiosło', 'Rzemiosło', '', 'Jedno z rzemiosł do wyboru.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'T', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000018', 'Kowalstwo', 'Rzemiosło', '', 'Obróbka żelaza.',
    'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000019', 'Stolarstwo', 'Rzemiosło', '', 'Obróbka drewna.',
    'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000020', 'Garncarstwo', 'Rzemiosło', '', 'Wyrób naczyń z gliny.',
    'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000021', 'Szermierka', 'Walka', '', 'Walka bronią białą; przychodzi razem z parowaniem.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'T', 'N', 'T', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000022', 'Parowanie', 'Walka', '', 'Odbijanie ciosów bronią.',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'T', 'N', 'T', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000023', 'Walka dwiema brońmi', 'Walka', '$SZKOLENIE|2|3', 'Szkolenie: broń w każdej ręce.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000024', 'Strzelectwo wyborowe', 'Walka', '$SZKOLENIE|1|4|2', 'Szkolenie: celny strzał; taniej dla znających tropienie.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'N', 'T',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000025', 'Czarowanie', 'Magiczne', '', 'Rzucanie zaklęć.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N',
    'N', 'N', 'T', 'T', 'T', 'N', 'T', 'N', 'N', 'N', 'N', 'N',
    'T', 'N', 'N', 'N', 'N', 'T', 'T');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000026', 'Handel', 'Towarzyskie', '', 'Targowanie się i ocena towarów.',
    'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000027', 'Śpiew', 'Towarzyskie', '', 'Śpiew i gra, które ujmują słuchaczy.',
    'T', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'N', 'T', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');

INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000028', 'Kamieniarstwo', 'Rzemiosło', '', 'Obróbka kamienia; przychodzi razem z rzeźbą w kamieniu.',
    'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'T', 'N', 'N');
INSERT INTO umiejetnosci (
    id, nazwa, grupa, funkcja, opis,
    deklaracja, inneakcje, okres, okresatak, czas, zasieg, zasiegnasiebie, zasiegdotyk, zasiegbroni, zasiegwzrok, obszar, celwybrane,
    celistoty, celprzedmioty, celsymbole, celznaki, cellimit, trwa, potencjal, inneprzerwanie, innedobrprzerwanie, innewalkawagoni, innewalkawtrudnych, innewalkawtloku,
    inneszyk, zapozyczenie, obronaprzed, inneselektywny, polaczana, inneformszyk, potencjalcelu)
VALUES (
    '100000000000000000000601000029', 'Rzeźba w kamieniu', 'Rzemiosło', '', 'Rzeźbienie posągów i ozdób.',
    'N', 'N', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'T', 'N', 'N');

-- Szanse powodzenia: baza, dodatek za każde 'ile' punktów współczynnika 'wsp'
-- powyżej progu 'powyżej' (pełne kroki, gdy 'pełne' = T).
INSERT INTO szanse (id, idumiejetnosc, szansabaza, szansaextra, szansaile, szansawsp, szansapelne, szansapowyzej, szansaminus, szansaprzeciwnik, rzutid) VALUES
    ('100000000000000000000602000001', '100000000000000000000601000003', '20', '5', '5', 'ZR', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000002', '100000000000000000000601000004', '30', '5', '10', 'SF', 'T', '20', '', 'N', 'K100'),
    ('100000000000000000000602000003', '100000000000000000000601000005', '40', '5', '10', 'ŻYW', 'N', '20', '', 'N', 'K100'),
    ('100000000000000000000602000004', '100000000000000000000601000006', '25', '5', '5', 'ZW', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000005', '100000000000000000000601000007', '50', '5', '10', 'ZR', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000006', '100000000000000000000601000008', '20', '10', '10', 'INT', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000007', '100000000000000000000601000009', '15', '5', '5', 'MD', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000008', '100000000000000000000601000011', '10', '5', '5', 'WI', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000009', '100000000000000000000601000012', '20', '5', '5', 'CH', 'T', '30', 'T', 'T', 'K100'),
    ('100000000000000000000602000010', '100000000000000000000601000013', '10', '5', '10', 'SF', 'T', '40', '', 'T', 'K100'),
    ('100000000000000000000602000011', '100000000000000000000601000025', '30', '5', '5', 'UM', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000012', '100000000000000000000601000026', '30', '5', '5', 'CH', 'T', '30', '', 'T', 'K100'),
    ('100000000000000000000602000013', '100000000000000000000601000027', '25', '5', '5', 'PR', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000014', '100000000000000000000601000018', '40', '5', '10', 'SF', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000015', '100000000000000000000601000019', '40', '5', '10', 'ZR', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000016', '100000000000000000000601000020', '40', '5', '10', 'ZR', 'T', '30', '', 'N', 'K100'),
    ('100000000000000000000602000017', '100000000000000000000601000023', '0', '5', '5', 'ZR', 'T', '40', '', 'N', 'K100'),
    ('100000000000000000000602000018', '100000000000000000000601000024', '0', '5', '5', 'ZR', 'T', '40', '', 'N', 'K100');

-- Rzuty obronne przeciw umiejętnościom działającym na innych.
INSERT INTO rzutyobronne (id, idumiejetnosc, rzutbaza, rzutextra, rzutile, rzutwsp, rzutpelne, rzutpowyzej, rzutminus, rzutprzeciwnik, rzutid) VALUES
    ('100000000000000000000603000001', '100000000000000000000601000012', '30', '5', '5', 'WI', 'T', '30', '', 'T', 'K100'),
    ('100000000000000000000603000002', '100000000000000000000601000013', '20', '5', '10', 'ŻYW', 'T', '30', '', 'T', 'K100'),
    ('100000000000000000000603000003', '100000000000000000000601000011', '0', '5', '5', 'WI', 'T', '40', 'T', 'T', 'K100');

-- Skutki nieudanych rzutów obronnych.
INSERT INTO skutkirzutow (id, idumiejetnosc, skutekbaza, skutekextra, skutekile, skutekwsp, skutekpelne, skutekpowyzej, skutekprzeciwnik, skutekskutek, skutekznak, skutekwspprzeciwnik, skutekid, skutekudany, skuteksmierc, skutekogluszenie, skutekobezwladnienie, skutekwyczerpanie, skutektrkr, skutekucieczka, skutekprzerazenie, skutekpoprzedni, skutekprzejecie) VALUES
    ('100000000000000000000604000001', '100000000000000000000601000012', 'K3', '1', '20', 'CH', 'T', '30', 'T', 'SZ', '-', 'N', 'K100', 'N', 'N', 'N', 'N', 'N', 'N', 'T', 'T', 'N', 'N'),
    ('100000000000000000000604000002', '100000000000000000000601000013', 'K4', '1', '20', 'SF', 'T', '40', 'T', 'AT', '-', 'N', 'K100', 'N', 'N', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N'),
    ('100000000000000000000604000003', '100000000000000000000601000008', 'K6', '1', '10', 'INT', 'T', '30', 'N', 'ŻYW', '+', 'N', 'K100', 'T', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N');

-- Modyfikacje współczynników. Te z 'NN' (nie przeciwnika) i celem OB.TAR, OG.TAR.ZR,
-- OG.TAR.SZ zmieniają obronę i ograniczenia tarczy: baza, dodatek za każde 'ile' punktów
-- współczynnika 'wsp' powyżej 'powyżej'.
INSERT INTO modyfikacje (id, idumiejetnosc, zmianabaza, zmianaextra, zmianaile, zmianawsp, zmianapelne, zmianapowyzej, zmianaprzeciwnik, zmianazmiana, zmianaznak, zmianawspprzeciwnik) VALUES
    ('100000000000000000000605000001', '100000000000000000000601000001', '2', '1', '10', 'ZR', 'T', '30', 'N', 'OB.TAR', '+', 'N'),
    ('100000000000000000000605000002', '100000000000000000000601000001', '1', '0', '0', 'ZR', 'N', '0', 'N', 'OG.TAR.ZR', '-', 'N'),
    ('100000000000000000000605000003', '100000000000000000000601000002', '1', '1', '20', 'ZR', 'T', '40', 'N', 'OB.TAR', '*', 'N'),
    ('100000000000000000000605000004', '100000000000000000000601000002', '2', '0', '0', 'ZR', 'N', '0', 'N', 'OG.TAR.SZ', '/', 'N'),
    ('100000000000000000000605000005', '100000000000000000000601000012', '5', '1', '10', 'CH', 'T', '30', 'T', 'AT', '-', 'N');

-- Powiązania umiejętności: wybory Rzemiosła (z łączonych Kamieniarstwa i Rzeźby
-- w kamieniu do wyboru jest tylko pierwsze, które przynosi drugie), Parowanie
-- przychodzące z Szermierką (i odwrotnie) oraz Tropienie, które obniża cenę szkolenia
-- Strzelectwa wyborowego.
INSERT INTO umiejumiej (idumiejjeden, idumiejdwa) VALUES
    ('100000000000000000000601000017', '100000000000000000000601000018'),
    ('100000000000000000000601000017', '100000000000000000000601000019'),
    ('100000000000000000000601000017', '100000000000000000000601000020'),
    ('100000000000000000000601000017', '100000000000000000000601000028'),
    ('100000000000000000000601000017', '100000000000000000000601000029'),
    ('100000000000000000000601000028', '100000000000000000000601000029'),
    ('100000000000000000000601000029', '100000000000000000000601000028'),
    ('100000000000000000000601000021', '100000000000000000000601000022'),
    ('100000000000000000000601000022', '100000000000000000000601000021'),
    ('100000000000000000000601000024', '100000000000000000000601000006');
