-- Revenue codes: one row per calendar year, code and section where the code is used (ANEXO): '0' the
-- declarant's own lines, '1' a fund or club annex, '2' a judicial-process annex, '3' income received
-- cumulatively, which has a section of its own and never takes a beneficiary line.
-- DEDUCAO and RENDIMENTOS_ISENTOS list kinds separated by ';'. Deductions: 1 official social security,
-- 2 private pension, 3 dependants, 4 alimony. Exempt income: 1 retirees over 65, 2 daily allowances,
-- 3 termination indemnity, 4 cash allowance, 5 other, 6 serious illness, 7 profits, 8 holder or
-- partner, A medical-residency grants, B cup volunteers.
-- NAT_DECLARANTE holds the digits of the declarant natures that may use the code.
-- IN4, SUBJUDICE and DECIMO_TERCEIRO hold 'T' or 'F', which reads as a Boolean.
--
-- Where no rule of the program decides a value:
-- - no deduction, exempt kind or thirteenth salary is admitted;
-- - the beneficiary kind is the one the description names, otherwise both ('A');
-- - amounts under suspended exigibility are admitted for every code a person may receive;
-- - every nature may use a code, except court and fund codes (natures that may be depositaries or fund
--   administrators: 0, 3, 4, 8) and withheld contributions (the natures of the law the payer follows);
-- - REGIME is 'C' (taxable box of the income statement), 'E' for income taxed only at source, 'F' for
--   codes that never reach a statement; COMPROVANTE is 'T' when the code reaches a statement;
-- - years before 2013 hold only the codes that lapsed or began then, and the federal court code of 2004
--   (before 2005 the court codes do not tell the courts apart).
-- The rows below give the columns in the order of the table.
CREATE TABLE CODRET (
  ANO                 CHAR(4)      NOT NULL,
  COD_RETENCAO        CHAR(4)      NOT NULL,
  ANEXO               CHAR(1)      DEFAULT '0' NOT NULL,
  PF_PJ_AMBOS         CHAR(1)      DEFAULT 'A' NOT NULL,
  DEDUCAO             VARCHAR(20)  DEFAULT '' NOT NULL,
  RENDIMENTOS_ISENTOS VARCHAR(30)  DEFAULT '' NOT NULL,
  DECIMO_TERCEIRO     CHAR(1)      DEFAULT 'F' NOT NULL,
  SUBJUDICE           CHAR(1)      DEFAULT 'F' NOT NULL,
  IN4                 CHAR(1)      DEFAULT 'F' NOT NULL,
  REGIME              CHAR(1)      DEFAULT 'C' NOT NULL,
  COMPROVANTE         CHAR(1)      DEFAULT 'T' NOT NULL,
  NAT_DECLARANTE      VARCHAR(10)  DEFAULT '' NOT NULL,
  RESUMO              VARCHAR(100) DEFAULT '' NOT NULL,
  CONSTRAINT PK_CODRET PRIMARY KEY (ANO, COD_RETENCAO, ANEXO),
  CONSTRAINT CK_CODRET_ANEXO CHECK (ANEXO IN ('0', '1', '2', '3')),
  CONSTRAINT CK_CODRET_PF_PJ CHECK (PF_PJ_AMBOS IN ('F', 'J', 'A')),
  CONSTRAINT CK_CODRET_BOOLEANOS CHECK (IN4 IN ('T', 'F') AND SUBJUDICE IN ('T', 'F')
                                        AND DECIMO_TERCEIRO IN ('T', 'F'))
);

-- 2013
--                         ANO     COD     ANX  PF   DEDUCAO    ISENTOS              13   SUB  IN4  REG  COM  NAT        RESUMO
INSERT INTO CODRET VALUES ('2013', '0561', '0', 'F', '1;2;3;4', '1;2;3;4;5;6;7;8;A', 'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos do trabalho assalariado');
INSERT INTO CODRET VALUES ('2013', '0588', '0', 'F', '1;2;3;4', 'A;B',               'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos do trabalho sem vínculo empregatício');
INSERT INTO CODRET VALUES ('2013', '1708', '0', 'J', '',        '',                  'F', 'F', 'F', 'C', 'T', '0123489', 'Remuneração de serviços profissionais prestados por pessoa jurídica');
INSERT INTO CODRET VALUES ('2013', '1889', '3', 'F', '1;4',     '6',                 'F', 'F', 'F', 'F', 'F', '0123489', 'Rendimentos recebidos acumuladamente');
INSERT INTO CODRET VALUES ('2013', '1895', '2', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça dos Estados/Distrito Federal');
INSERT INTO CODRET VALUES ('2013', '3208', '0', 'F', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Aluguéis e royalties pagos a pessoa física');
INSERT INTO CODRET VALUES ('2013', '3223', '0', 'F', '',        '5',                 'F', 'T', 'F', 'C', 'T', '0123489', 'Resgate de previdência complementar - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2013', '3277', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos de partes beneficiárias ou de fundador');
INSERT INTO CODRET VALUES ('2013', '3426', '0', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Aplicações financeiras de renda fixa, exceto em fundos de investimento');
INSERT INTO CODRET VALUES ('2013', '3533', '0', 'F', '1;2;3;4', '1;6',               'T', 'T', 'F', 'C', 'T', '0123489', 'Proventos de aposentadoria, reserva, reforma ou pensão pagos por previdência pública');
INSERT INTO CODRET VALUES ('2013', '3540', '0', 'F', '1;2;3;4', '1;5;6',             'T', 'T', 'F', 'C', 'T', '0123489', 'Benefício de previdência complementar - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2013', '3556', '0', 'F', '1;2;3;4', '1;5;6',             'F', 'T', 'F', 'C', 'T', '0123489', 'Benefício de previdência complementar e Fapi (PGBL) - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2013', '3562', '0', 'F', '4',       '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Participação nos lucros ou resultados');
INSERT INTO CODRET VALUES ('2013', '3579', '0', 'F', '',        '5',                 'F', 'T', 'F', 'C', 'T', '0123489', 'Resgate de previdência complementar e Fapi (PGBL) - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2013', '3746', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de Cofins na aquisição de autopeças');
INSERT INTO CODRET VALUES ('2013', '3770', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de PIS/Pasep na aquisição de autopeças');
INSERT INTO CODRET VALUES ('2013', '4085', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de CSLL, Cofins e PIS/Pasep por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2013', '4397', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de CSLL por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2013', '4407', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de Cofins por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2013', '4409', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de PIS/Pasep por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2013', '5204', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Juros e indenizações de lucros cessantes');
INSERT INTO CODRET VALUES ('2013', '5557', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Ganhos líquidos em operações em bolsas e assemelhados');
INSERT INTO CODRET VALUES ('2013', '5565', '0', 'F', '',        '6',                 'T', 'T', 'F', 'E', 'T', '0123489', 'Benefício ou resgate de previdência complementar - optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2013', '5706', '0', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Juros sobre o capital próprio');
INSERT INTO CODRET VALUES ('2013', '5928', '2', 'A', '',        '6',                 'F', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça Federal');
INSERT INTO CODRET VALUES ('2013', '5936', '0', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos decorrentes de decisão da Justiça do Trabalho');
INSERT INTO CODRET VALUES ('2013', '5936', '2', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça do Trabalho');
INSERT INTO CODRET VALUES ('2013', '5952', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de CSLL, Cofins e PIS/Pasep - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2013', '5960', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de Cofins - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2013', '5979', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de PIS/Pasep - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2013', '5987', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de CSLL - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2013', '6147', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6175', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6188', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6190', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6228', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6230', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6243', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6256', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '6800', '1', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0348',    'Aplicações financeiras em fundos de investimento de renda fixa');
INSERT INTO CODRET VALUES ('2013', '6891', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Benefício ou resgate de seguro de vida com cobertura por sobrevivência (VGBL)');
INSERT INTO CODRET VALUES ('2013', '6904', '0', 'A', '1;3;4',   '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Indenizações por danos morais');
INSERT INTO CODRET VALUES ('2013', '8045', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Comissões, corretagens e serviços de propaganda');
INSERT INTO CODRET VALUES ('2013', '8468', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Operações day trade em bolsas e assemelhados');
INSERT INTO CODRET VALUES ('2013', '8739', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '8767', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '8850', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '8863', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '9060', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2013', '9385', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Multas e vantagens');

-- 2014
--                         ANO     COD     ANX  PF   DEDUCAO    ISENTOS              13   SUB  IN4  REG  COM  NAT        RESUMO
INSERT INTO CODRET VALUES ('2014', '0561', '0', 'F', '1;2;3;4', '1;2;3;4;5;6;7;8;A', 'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos do trabalho assalariado');
INSERT INTO CODRET VALUES ('2014', '0588', '0', 'F', '1;2;3;4', 'A;B',               'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos do trabalho sem vínculo empregatício');
INSERT INTO CODRET VALUES ('2014', '1708', '0', 'J', '',        '',                  'F', 'F', 'F', 'C', 'T', '0123489', 'Remuneração de serviços profissionais prestados por pessoa jurídica');
INSERT INTO CODRET VALUES ('2014', '1889', '3', 'F', '1;4',     '6',                 'F', 'F', 'F', 'F', 'F', '0123489', 'Rendimentos recebidos acumuladamente');
INSERT INTO CODRET VALUES ('2014', '1895', '2', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça dos Estados/Distrito Federal');
INSERT INTO CODRET VALUES ('2014', '3208', '0', 'F', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Aluguéis e royalties pagos a pessoa física');
INSERT INTO CODRET VALUES ('2014', '3223', '0', 'F', '',        '5',                 'F', 'T', 'F', 'C', 'T', '0123489', 'Resgate de previdência complementar - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2014', '3277', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos de partes beneficiárias ou de fundador');
INSERT INTO CODRET VALUES ('2014', '3426', '0', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Aplicações financeiras de renda fixa, exceto em fundos de investimento');
INSERT INTO CODRET VALUES ('2014', '3533', '0', 'F', '1;2;3;4', '1;6',               'T', 'T', 'F', 'C', 'T', '0123489', 'Proventos de aposentadoria, reserva, reforma ou pensão pagos por previdência pública');
INSERT INTO CODRET VALUES ('2014', '3540', '0', 'F', '1;2;3;4', '1;5;6',             'T', 'T', 'F', 'C', 'T', '0123489', 'Benefício de previdência complementar - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2014', '3556', '0', 'F', '1;2;3;4', '1;5;6',             'F', 'T', 'F', 'C', 'T', '0123489', 'Benefício de previdência complementar e Fapi (PGBL) - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2014', '3562', '0', 'F', '4',       '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Participação nos lucros ou resultados');
INSERT INTO CODRET VALUES ('2014', '3579', '0', 'F', '',        '5',                 'F', 'T', 'F', 'C', 'T', '0123489', 'Resgate de previdência complementar e Fapi (PGBL) - não optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2014', '3746', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de Cofins na aquisição de autopeças');
INSERT INTO CODRET VALUES ('2014', '3770', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de PIS/Pasep na aquisição de autopeças');
INSERT INTO CODRET VALUES ('2014', '4085', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de CSLL, Cofins e PIS/Pasep por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2014', '4397', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de CSLL por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2014', '4407', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de Cofins por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2014', '4409', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '28',      'Retenção de PIS/Pasep por órgãos públicos estaduais e municipais');
INSERT INTO CODRET VALUES ('2014', '5204', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Juros e indenizações de lucros cessantes');
INSERT INTO CODRET VALUES ('2014', '5557', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Ganhos líquidos em operações em bolsas e assemelhados');
INSERT INTO CODRET VALUES ('2014', '5565', '0', 'F', '',        '6',                 'T', 'T', 'F', 'E', 'T', '0123489', 'Benefício ou resgate de previdência complementar - optante pela tributação exclusiva');
INSERT INTO CODRET VALUES ('2014', '5706', '0', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0123489', 'Juros sobre o capital próprio');
INSERT INTO CODRET VALUES ('2014', '5928', '2', 'A', '',        '6',                 'F', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça Federal');
INSERT INTO CODRET VALUES ('2014', '5936', '0', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0123489', 'Rendimentos decorrentes de decisão da Justiça do Trabalho');
INSERT INTO CODRET VALUES ('2014', '5936', '2', 'A', '1;2;3;4', '6',                 'T', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça do Trabalho');
INSERT INTO CODRET VALUES ('2014', '5952', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de CSLL, Cofins e PIS/Pasep - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2014', '5960', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de Cofins - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2014', '5979', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de PIS/Pasep - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2014', '5987', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '038',     'Retenção de CSLL - pagamentos de pessoa jurídica a pessoa jurídica');
INSERT INTO CODRET VALUES ('2014', '6147', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6175', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6188', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6190', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6228', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6230', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6243', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6256', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '6800', '1', 'A', '',        '',                  'F', 'T', 'F', 'E', 'T', '0348',    'Aplicações financeiras em fundos de investimento de renda fixa');
INSERT INTO CODRET VALUES ('2014', '6891', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Benefício ou resgate de seguro de vida com cobertura por sobrevivência (VGBL)');
INSERT INTO CODRET VALUES ('2014', '6904', '0', 'A', '1;3;4',   '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Indenizações por danos morais');
INSERT INTO CODRET VALUES ('2014', '8045', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Comissões, corretagens e serviços de propaganda');
INSERT INTO CODRET VALUES ('2014', '8468', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Operações day trade em bolsas e assemelhados');
INSERT INTO CODRET VALUES ('2014', '8739', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '8767', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '8850', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '8863', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '9060', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2014', '9385', '0', 'A', '',        '',                  'F', 'T', 'F', 'C', 'T', '0123489', 'Multas e vantagens');

-- 2002
--                         ANO     COD     ANX  PF   DEDUCAO    ISENTOS              13   SUB  IN4  REG  COM  NAT        RESUMO
INSERT INTO CODRET VALUES ('2002', '3249', '0', 'A', '',        '',                  'F', 'F', 'F', 'C', 'T', '0123489', 'Código extinto em 16 de janeiro de 2002');
INSERT INTO CODRET VALUES ('2002', '3251', '0', 'A', '',        '',                  'F', 'F', 'F', 'C', 'T', '0123489', 'Código extinto em 16 de janeiro de 2002');
INSERT INTO CODRET VALUES ('2002', '6799', '0', 'A', '',        '',                  'F', 'F', 'F', 'C', 'T', '0123489', 'Código extinto em 16 de janeiro de 2002');

-- 2003
--                         ANO     COD     ANX  PF   DEDUCAO    ISENTOS              13   SUB  IN4  REG  COM  NAT        RESUMO
INSERT INTO CODRET VALUES ('2003', '6875', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');
INSERT INTO CODRET VALUES ('2003', '6883', '0', 'J', '',        '',                  'F', 'F', 'T', 'C', 'T', '1348',    'Retenção de IR, CSLL, Cofins e PIS/Pasep por órgãos públicos e estatais federais');

-- 2004
--                         ANO     COD     ANX  PF   DEDUCAO    ISENTOS              13   SUB  IN4  REG  COM  NAT        RESUMO
INSERT INTO CODRET VALUES ('2004', '5928', '2', 'A', '',        '6',                 'F', 'T', 'F', 'C', 'T', '0348',    'Rendimentos decorrentes de decisão da Justiça Federal');
