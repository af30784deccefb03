-- The beneficiary search walks an index in the order the list asks for, so that its first page
-- needs no sort of the whole declaration: code order over this one, number order over
-- TOLV_ITENS_BENEF, origin and source order over TOLV_ITENS_CODIGO_BENEF, name order over the
-- beneficiaries' names below. Narrowing by name uses BENEFICIARIOS_CV, by number the keys.
CREATE INDEX TOLV_ITENS_CODIGO ON TOLV_ITENS (TRIB_TRIBU, E_FONTE_DK, E_IN_PF_PJ, E_NR_PF_PJ, TOLV_ITEM_DK);
CREATE INDEX BENEFICIARIOS_NOME ON BENEFICIARIOS (NM_NM_EMPR);
-- The accumulated income in code and origin order (its kind, then its beneficiary).
CREATE INDEX RRA_ITEM_PESQUISA ON RRA_ITEM (IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ, RRA_ITEM_ID);
