-- Przykładowe reguły Tallar2: definicje części ciała dla dwóch typów istot (humanoid,
-- czworonóg). Wartości stadiów są w 03-rasy.sql.
-- Identyfikatory: 1, 20 zer, kod tabeli 105 i numer.
INSERT INTO czescicialadef (id, typistoty, nazwa, proc_cal_zyw, wpl_obr_na_zyw, odc_pow_smi, wyp_kl, wyp_kl_proc, wyp_tn, wyp_tn_proc, wyp_ob, wyp_ob_proc, obr, obr_proc, modtrsel, bron_tarcza, domyslna) VALUES
    ('100000000000000000000105000001', 'humanoid', 'Głowa', '20', '100', 'T', '0', '', '0', '', '0', '', '0', '', '-30', 'N', 'N'),
    ('100000000000000000000105000002', 'humanoid', 'Tułów', '40', '100', 'T', '0', '', '0', '', '0', '', '0', '', '0', 'N', 'T'),
    ('100000000000000000000105000003', 'humanoid', 'Prawa ręka', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'T', 'N'),
    ('100000000000000000000105000004', 'humanoid', 'Lewa ręka', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'T', 'N'),
    ('100000000000000000000105000005', 'humanoid', 'Prawa noga', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'N', 'N'),
    ('100000000000000000000105000006', 'humanoid', 'Lewa noga', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'N', 'N'),
    ('100000000000000000000105000007', 'czworonóg', 'Łeb', '20', '100', 'T', '0', '', '0', '', '0', '', '0', '', '-20', 'N', 'N'),
    ('100000000000000000000105000008', 'czworonóg', 'Tułów zwierzęcia', '50', '100', 'T', '0', '', '0', '', '0', '', '0', '', '0', 'N', 'T'),
    ('100000000000000000000105000009', 'czworonóg', 'Przednie łapy', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'N', 'N'),
    ('100000000000000000000105000010', 'czworonóg', 'Tylne łapy', '20', '100', 'N', '0', '', '0', '', '0', '', '0', '', '-10', 'N', 'N');
