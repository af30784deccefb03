-- The declaration lists filter by a prefix of the number, of the upper-cased name and of the
-- calendar year, and stop at a last year: each condition finds its rows through an index.
CREATE INDEX IX_TOLVS_NUMERO ON TOLVS (NR_PF_PJ);
CREATE INDEX IX_TOLVS_NOME ON TOLVS COMPUTED BY (UPPER(NM_NM_EMPR));
CREATE INDEX IX_TOLVS_ANO ON TOLVS (AN_RETENCA);
