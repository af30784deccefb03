-- A person's original declaration without beneficiary lines: header, declarant and trailer only.
UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_REMESSA, IN_SERVICONOTARIAL,
  IN_PLANOSAUDE, IN_RETIFIC, IN_ENCERRA, DATA_EVENTO, TIPO_EVENTO, RESP_PF, NM_RESP, ED_DDD, ED_TELEFONE, ED_RAMAL,
  ED_FAX, ED_EMAIL)
VALUES (1, '1', '222333444', '2013', 'Carlos Éden', 'N', 0, 0, 'O', '0', NULL, 0, '222333444', 'Carlos Éden', '11',
  '987654321', '12', '912345678', '')
MATCHING (TOLV_DK);
