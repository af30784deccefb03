#pragma once

#include <QString>
#include <QStringList>

#include "DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace anexos_teste {

const QString kDeclarante = QStringLiteral("11444777000161");
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");
const QString kNumeroFederal = QStringLiteral("00012345620135010001");
const QString kNumeroTrabalho = QStringLiteral("12345678901234567");

// A declaration of 11.444.777/0001-61 for 2013 with its error list attached. With
// ComFundosEProcessos its database holds two funds (keys 2 and 3, one line in 2) and two
// processes of different courts (4 federal, with a law firm and two lines; 5 labour, with a
// lawyer and no line).
class ComAnexos : public declaracao_teste::ComBancos {
 protected:
  void SetUp() override {
    ComBancos::SetUp();
    m_tolv.GetContribuinte().SetNi(kDeclarante);
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
    m_tolv.SetErros(&m_erros);
    m_pasta.copiaBanco("TOLV2014PD.FDB", kBanco);
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    ComBancos::TearDown();
  }

  void ComFundosEProcessos() {
    Roda(QStringLiteral(
        "INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO ALFA', 0, NULL, NULL, NULL, '0');"
        "INSERT INTO FONTES VALUES (3, '2', '112223330001', 'CLUBE BETA', 0, NULL, NULL, NULL, '0');"
        "INSERT INTO FONTES VALUES (4, '2', '00012345620135010001', 'PROCESSO FEDERAL', 1, '2', '987654320001',"
        " 'ESCRITORIO GAMA', '1');"
        "INSERT INTO FONTES VALUES (5, '2', '12345678901234567', 'PROCESSO TRABALHISTA', 1, '1', '529982247',"
        " 'MARIA ADVOGADA', '2');"
        "ALTER SEQUENCE GEN_FONTE_DK RESTART WITH 5;"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (2, 1, 100, 1);"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (4, 2, 250.5, 1);"
        "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) "
        " VALUES (10, 4, '5928', '1', '111444777');"
        "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) "
        " VALUES (11, 4, '5928', '1', '529982247');"
        "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) "
        " VALUES (12, 2, '6800', '1', '111444777');"));
  }

  // Runs statements on the declaration's database through a connection of its own, committed.
  void Roda(const QString& sql) { m_pasta.roda(kBanco, sql); }

  // The first column of every row of a query, as text.
  QStringList Coluna(const QString& sql) {
    bd::Conexao c(m_pasta.dados() + '/' + kBanco);
    c.conecta();
    bd::Transacao t(c);
    bd::Consulta q(t, sql);
    QStringList valores;
    for (q.abre(); !q.eof(); q.proximo()) valores << q.campo(1).texto();
    return valores;
  }

  TErros m_erros;
  TTolv m_tolv;
};

}  // namespace anexos_teste
