-- What the declaration-file writer reads of the annexes and of the supplementary sections.

-- The lines of the funds and clubs, as the file needs them; FONTE_DK is the fund. Asked for one
-- fund in file order, it walks the index TOLV_ITENS_GRAVACAO without sorting.
CREATE VIEW V_TOLV_ITENS_FONTE_FCI1 AS
  SELECT A.E_FONTE_DK AS FONTE_DK, A.*
  FROM V_TOLV_ITENS_ARQUIVO A
  WHERE EXISTS (SELECT 1 FROM FONTES F WHERE F.FONTE_DK = A.E_FONTE_DK AND F.FONTE_DK > 1 AND F.IN_TIPO = 0);

-- One row per line of every judicial process, with its process's data, in file order: by court
-- and process number (the key keeps two equal ones apart), then code, persons before companies,
-- number. A process without lines has no row; the verification does not let it through.
CREATE VIEW TOLV_ITENS_PROCESSO AS
  SELECT A.*, P.TIPO_PROCESSO, P.NR_PF_PJ, P.IN_PF_PJ_ADVOGADO, P.NR_ADVOGADO, P.NM_ADVOGADO
  FROM FONTES P
  JOIN V_TOLV_ITENS_ARQUIVO A ON A.E_FONTE_DK = P.FONTE_DK
  WHERE P.FONTE_DK > 1 AND P.IN_TIPO = 1
  ORDER BY P.TIPO_PROCESSO, P.NR_PF_PJ, P.FONTE_DK, A.TRIB_TRIBU, A.E_IN_PF_PJ, A.E_NR_PF_PJ;

-- The beneficiaries abroad in file order, without sorting.
CREATE INDEX TB_REMESSA_ARQUIVO ON TB_REMESSA (TREM_IN_TIPO_BENEFICIARIO, TREM_CD_PAIS, TREM_NIF, TREM_ID);

-- The accumulated-income items in file order, without sorting their wide rows.
CREATE INDEX RRA_ITEM_ARQUIVO ON RRA_ITEM (IN_TIPO_RRA, RRA_PROCESSO, IN_PF_PJ_ADVOGADO, NR_ADVOGADO, NR_PF_PJ,
  NATUREZA, RRA_ITEM_ID);
