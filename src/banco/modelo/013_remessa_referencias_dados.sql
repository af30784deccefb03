-- The rows of the payments-abroad reference tables (tables in 013_remessa_referencias.sql).
-- One INSERT a row; add a line to add an entry. The countries come from a public table:
-- dados/paises.csv, built into 013_remessa_referencias_paises.sql (see dados/README.md). No public
-- table was found for the others, which hold the entries the program's design names.

-- Relations between the paying source and a company beneficiary abroad.
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('500', 'Fonte pagadora é matriz da beneficiária no exterior.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('510', 'Fonte pagadora é filial, sucursal ou agência de beneficiária no exterior.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('520', 'A fonte pagadora é controlada ou coligada da beneficiária no exterior, na forma dos §§ 1º e 2º do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('530', 'A fonte pagadora é controladora ou coligada da beneficiária no exterior, na forma dos §§ 1º e 2º do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('540', 'A fonte pagadora e a beneficiária no exterior estão sob o controle societário ou administrativo comum ou quando pelo menos 10% do capital de cada uma, pertencer a uma mesma pessoa física ou jurídica.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('550', 'A fonte pagadora e a beneficiária no exterior têm participação societária no capital de uma terceira pessoa jurídica, cuja soma as caracterize como controladoras ou coligadas na forma dos §§ 1º e 2º do art. 243 da Lei nº 6.404, de 15 de dezembro de 1976.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('560', 'A fonte pagadora ou a beneficiária no exterior mantenha contrato de exclusividade como agente, distribuidor ou concessionário nas operações com bens, serviços e direitos.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('570', 'A fonte pagadora e a beneficiária mantém acordo de atuação conjunta.');
INSERT INTO TB_REL_FONTE_BENEFICIARIO VALUES ('900', 'Não há relação entre a fonte pagadora e a beneficiária no exterior.');

-- Revenue codes: code, description, beneficiary kind, fund or club only, natures (those that admit
-- payments abroad).
INSERT INTO TB_CD_RETENCAO_REMESSA VALUES ('0473', 'Renda e proventos de qualquer natureza pagos a residentes ou domiciliados no exterior', 'A', 'N', '0123489');
INSERT INTO TB_CD_RETENCAO_REMESSA VALUES ('0610', 'Transporte rodoviário internacional de carga auferido por transportador autônomo pessoa física residente na República do Paraguai', 'F', 'N', '0123489');

-- Taxation forms: code, description, admits a tax withheld of zero, admits one above zero.
INSERT INTO TB_FORMA_TRIBUTACAO VALUES (10, 'Retenção do IRRF - alíquota padrão', 'F', 'V');
INSERT INTO TB_FORMA_TRIBUTACAO VALUES (40, 'Não retenção do IRRF - isenção estabelecida em convênio', 'V', 'F');

-- Income types: code, description, revenue codes not allowed with it.
INSERT INTO TB_TIPO_RENDIMENTO VALUES (110, 'Transporte rodoviário internacional de carga auferido por transportador autônomo residente no Paraguai', '');
INSERT INTO TB_TIPO_RENDIMENTO VALUES (240, 'Rendimentos pagos a pessoa física relacionados à Copa das Confederações Fifa 2013 e à Copa do Mundo Fifa 2014', '');
INSERT INTO TB_TIPO_RENDIMENTO VALUES (250, 'Outros rendimentos pagos a pessoa física relacionados à Copa das Confederações Fifa 2013 e à Copa do Mundo Fifa 2014', '');
