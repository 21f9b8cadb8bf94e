-- Przykładowe reguły Tallar2: grupy broni i bronie.
-- Rodzaj trzymania: JL lekka jednoręczna, J jednoręczna, PT półtoraręczna, DW dwuręczna.
-- Znaczniki T/N; maksymalne ograniczenia zręczności i szybkości w postaci 1/N.
-- Identyfikatory: 1, 20 zer, kod tabeli (701 grupy, 702 bronie) i numer.

-- Grupy broni.
INSERT INTO grupybroni (id, nazwa) VALUES
    ('100000000000000000000701000001', 'Miecze'),
    ('100000000000000000000701000002', 'Topory'),
    ('100000000000000000000701000003', 'Włócznie i drzewcowe'),
    ('100000000000000000000701000004', 'Łuki'),
    ('100000000000000000000701000005', 'Kusze'),
    ('100000000000000000000701000006', 'Broń obuchowa'),
    ('100000000000000000000701000007', 'Sztylety i noże'),
    ('100000000000000000000701000008', 'Broń miotana');

-- Bronie: skuteczność kłuta, tnąca, obuchowa (z bliska i z daleka), obrona, ataki na
-- rundę, wytrzymałość, współczynnik uszkodzeń, opóźnienie, bonus do trafienia, waga.
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000001', 'Miecz krótki', '100000000000000000000701000001', 'JL',
    '4', '', '5', '', '', '',
    '4', '', '', '1', '40', '1', '3', '1',
    '', '', '', '', '2', '4', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'T', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000002', 'Miecz długi', '100000000000000000000701000001', 'J',
    '5', '', '7', '', '', '',
    '5', '', '', '1', '50', '1', '4', '0',
    '', '', '', '', '3', '5', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000003', 'Miecz półtoraręczny', '100000000000000000000701000001', 'PT',
    '5', '', '8', '', '', '',
    '6', '', '', '1', '55', '1', '5', '0',
    '', '', '', '25', '4', '6', '1', 'WSZYSTKICH',
    'T', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000004', 'Miecz dwuręczny', '100000000000000000000701000001', 'DW',
    '4', '', '11', '', '', '',
    '6', '', '', '1', '60', '1', '7', '0',
    '1/3', '', '160', '40', '7', '9', '1', 'WSZYSTKICH',
    'T', 'N', 'N', 'T', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000005', 'Toporek', '100000000000000000000701000002', 'JL',
    '', '', '5', '4', '', '',
    '2', '', '', '1', '35', '1', '3', '0',
    '', '', '', '', '2', '4', '10/20/30', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'T', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000006', 'Topór bojowy', '100000000000000000000701000002', 'J',
    '', '', '8', '', '', '',
    '3', '2', '', '1', '45', '3/2', '5', '0',
    '', '', '', '', '4', '6', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000007', 'Topór dwuręczny', '100000000000000000000701000002', 'DW',
    '', '', '12', '', '', '',
    '3', '', '', '1', '50', '2', '8', '-1',
    '', '', '', '45', '8', '10', '1', 'KRASNOLUDÓW I LUDZI',
    'N', 'T', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000008', 'Włócznia', '100000000000000000000701000003', 'PT',
    '7', '5', '', '', '', '',
    '5', '', '', '1', '30', '1', '4', '1',
    '', '', '', '', '3', '5', '10/20/40', 'WSZYSTKICH',
    'T', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'T', 'T');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000009', 'Halabarda', '100000000000000000000701000003', 'DW',
    '7', '', '9', '', '', '',
    '5', '', '', '1', '45', '1', '7', '0',
    '', '1/2', '150', '', '6', '8', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'T', 'N', 'N', 'N', 'T', 'T');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000010', 'Oszczep', '100000000000000000000701000003', 'J',
    '5', '6', '', '', '', '',
    '2', '', '', '1', '25', '1', '3', '0',
    '', '', '', '', '2', '4', '15/30/45', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000011', 'Łuk krótki', '100000000000000000000701000004', 'DW',
    '', '5', '', '', '', '',
    '0', '', '', '2', '20', '1', '3', '0',
    '', '', '', '', '1', '3', '40/80/120', 'WSZYSTKICH',
    'N', 'N', 'T', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000012', 'Długi łuk', '100000000000000000000701000004', 'DW',
    '', '7', '', '', '', '',
    '0', '', '', '2', '25', '1', '4', '1',
    '', '', '165', '30', '2', '4', '60/120/200', 'LUDZI I ELFÓW',
    'N', 'N', 'T', 'T', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000013', 'Kusza lekka', '100000000000000000000701000005', 'DW',
    '', '8', '', '', '', '',
    '0', '', '2', '1', '30', '1', '10', '2',
    '', '', '', '', '3', '5', '50/100/150', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'T', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000014', 'Kusza ciężka', '100000000000000000000701000005', 'DW',
    '', '11', '', '', '', '',
    '0', '', 'K2+1', '1', '40', '1', '15', '2',
    '', '', '', '30', '6', '8', '60/120/180', 'WSZYSTKICH',
    'N', 'N', 'N', 'T', 'N', 'N', 'N',
    'N', 'N', 'N', 'T', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000015', 'Buława', '100000000000000000000701000006', 'J',
    '', '', '', '', '7', '',
    '3', '', '', '1', '60', '1', '4', '0',
    '', '', '', '', '3', '5', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'T',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000016', 'Młot bojowy', '100000000000000000000701000006', 'J',
    '3', '', '', '', '8', '',
    '2', '', '', '1', '60', '1', '5', '0',
    '', '', '', '', '4', '6', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'T', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000017', 'Kiścień', '100000000000000000000701000006', 'J',
    '', '', '', '', '8', '',
    '1', '1/2', '', '1', '40', '1', '5', '1',
    '', '', '', '', '3', '5', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'T', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000018', 'Pałka', '100000000000000000000701000006', 'JL',
    '', '', '', '', '4', '',
    '2', '', '', '1', '20', '1', '3', '0',
    '', '', '', '', '2', '4', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'T', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000019', 'Sztylet', '100000000000000000000701000007', 'JL',
    '5', '4', '3', '', '', '',
    '2', '', '', '2', '30', '1', '2', '1',
    '', '', '', '', '1', '3', '5/10/15', 'WSZYSTKICH',
    'N', 'N', 'T', 'N', 'N', 'N', 'N',
    'N', 'N', 'T', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000020', 'Nóż', '100000000000000000000701000007', 'JL',
    '3', '', '3', '', '', '',
    '1', '', '', '2', '20', '1', '2', '0',
    '1/4', '1/4', '', '', '0', '2', '1', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000021', 'Proca', '100000000000000000000701000008', 'J',
    '', '', '', '', '', '4',
    '0', '', '', '1', '10', '1', '4', '0',
    '', '', '', '', '0', '2', '20/40/60', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'T', 'N', 'N');
INSERT INTO bronie (
    id, nazwa, idgrupy, typl,
    skt_kluta_bliska, skt_kluta_daleka, skut_tnaca_bliska, skut_tnaca_daleka, skut_obuch_bliska, skut_obuch_daleka,
    obrona, obrona_tarczy, obrona_zbroi, ataki_na_r, wytrzymalosc, wsp_uszkodzen, opoznienie, traf_bonus,
    max_ogr_zr, max_ogr_sz, min_wzrost, min_sf, waga, czas_prod, zasieg, przeznaczenie,
    obrona_x_2, traf_niweluje_atak, atak_przygotowany, traf_kryt_x_2, tr110_obezwl, tr110_ew_obezwl, tr110_ew_oglusza,
    tr_ew_obezwlad, tr_12atobtrum, wtorna, drozna, odpryskowa, szarza, powstrzymanie)
VALUES (
    '100000000000000000000702000022', 'Nóż do rzucania', '100000000000000000000701000008', 'JL',
    '', '4', '', '', '', '',
    '0', '', '', '2', '15', '1', '2', '1',
    '', '', '', '', '0', '2', '5/10/20', 'WSZYSTKICH',
    'N', 'N', 'N', 'N', 'N', 'N', 'N',
    'N', 'N', 'N', 'N', 'N', 'N', 'N');
