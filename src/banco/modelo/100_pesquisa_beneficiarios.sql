-- The beneficiary search narrows the lines by revenue code; the name (BENEFICIARIOS_CV) and the
-- number (the key and BENEFICIARIOS_NR) have their indexes already.
CREATE INDEX TOLV_ITENS_CODIGO ON TOLV_ITENS (TRIB_TRIBU);
