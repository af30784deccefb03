-- What the import of a declaration file asks of a declaration that exists already. Its other
-- look-ups (a line by source, beneficiary and code; a beneficiary by kind and number; an
-- accumulated-income item by beneficiary; an operator's holder by CPF) go through the indexes of
-- their tables; a beneficiary abroad by kind, country and foreign tax number goes through
-- TB_REMESSA_ARQUIVO.

SET TERM ^ ;

-- The key of the beneficiary abroad of that kind (TREM_IN_TIPO_BENEFICIARIO), country and foreign
-- tax number; 0 when there is none. Without a foreign tax number nobody is found: two beneficiaries
-- that have none cannot be told apart.
CREATE OR ALTER PROCEDURE BUSCA_REMESSA (
  TREM_IN_PF_PJ VARCHAR(1),
  TREM_CD_PAIS  INTEGER,
  TREM_NIF      VARCHAR(30))
RETURNS (TREM_IDO INTEGER)
AS
BEGIN
  TREM_IDO = 0;
  SELECT FIRST 1 R.TREM_ID FROM TB_REMESSA R
  WHERE R.TREM_IN_TIPO_BENEFICIARIO = :TREM_IN_PF_PJ AND R.TREM_CD_PAIS = :TREM_CD_PAIS
    AND R.TREM_NIF = :TREM_NIF
  ORDER BY R.TREM_IN_TIPO_BENEFICIARIO, R.TREM_CD_PAIS, R.TREM_NIF, R.TREM_ID
  INTO :TREM_IDO;
END^

SET TERM ; ^
