-- The beneficiary search narrows the lines by revenue code and lists them in code order; the
-- name (BENEFICIARIOS_CV) and the number (the key and BENEFICIARIOS_NR) have their indexes already.
CREATE INDEX TOLV_ITENS_CODIGO ON TOLV_ITENS (TRIB_TRIBU, E_FONTE_DK, E_IN_PF_PJ, E_NR_PF_PJ, TOLV_ITEM_DK);
