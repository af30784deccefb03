#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <memory>

#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Cp1252.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/PastaProgramaTemp.h"

// Declarations with beneficiaries of their own, files of income-statement lines and files of the
// older declaration layout, for the previous-years wizard and the income-statement import.
namespace anos_anteriores_teste {

struct FimDoProcesso {};

const QString kMatriz = QStringLiteral("11444777000161");
const QString kFilial = QStringLiteral("11444777000242");
// Beneficiaries with a salary line in the declarations made here.
const QString kAna = QStringLiteral("52998224725");
const QString kBia = QStringLiteral("11144477735");
const QString kCaio = QStringLiteral("12345678909");
// A beneficiary whose only line has a code that reaches no statement.
const QString kFinanceiro = QStringLiteral("39053344705");
// A valid CPF that is no beneficiary of the declarations.
const QString kFora = QStringLiteral("22233344405");

inline QString Centavos(qint64 centavos) { return QStringLiteral("%1").arg(centavos, 15, 10, QLatin1Char('0')); }

// A line of the file, 421 characters: the CPF, the seven amounts of fields 5 to 10 and 12 (texts
// of 15; a null one or one not given is zero), the description of other exempt income and the complementary information.
inline QString Linha(const QString& cpf, const QStringList& valores = {}, const QString& descricao = {},
                     const QString& informacoes = {}) {
  QString linha(421, u' ');
  const auto poe = [&linha](int inicio, const QString& texto, int tamanho) {
    linha.replace(inicio - 1, tamanho, texto.leftJustified(tamanho, u' ', true));
  };
  poe(1, cpf, 11);
  static constexpr int kInicios[] = {57, 72, 87, 102, 117, 132, 207};
  for (int i = 0; i < 7; ++i) poe(kInicios[i], valores.value(i).isNull() ? Centavos(0) : valores[i], 15);
  poe(147, descricao, 60);
  poe(222, informacoes, 200);
  return linha;
}

// A record of the older layout: the text placed at its positions (from 1) over a line of blanks
// of the given length.
inline QString Registro(int tamanho, std::initializer_list<std::pair<int, QString>> campos) {
  QString linha(tamanho, u' ');
  for (const auto& [inicio, texto] : campos) linha.replace(inicio - 1, texto.size(), texto);
  return linha;
}

// The declarant record of a company of the older layout: normal situation, nature 0, the
// depositary answer "1".
inline QString Declarante(const QString& cnpj, const QString& ano, const QString& nome) {
  return Registro(102, {{1, QStringLiteral("00000002")}, {9, QStringLiteral("1")}, {10, cnpj},
                        {24, QStringLiteral("TOLV")}, {28, ano}, {33, QStringLiteral("1")}, {34, QStringLiteral("2")},
                        {35, QStringLiteral("0")}, {41, QStringLiteral("1")}, {43, nome}});
}

// A beneficiary record (kind "2") of a person, with two amounts.
inline QString Beneficiario(int ordem, const QString& cnpj, const QString& cpf, const QString& nome, qint64 a, qint64 b) {
  return Registro(689, {{1, QStringLiteral("%1").arg(ordem, 8, 10, QLatin1Char('0'))}, {9, QStringLiteral("2")},
                        {10, cnpj}, {24, QStringLiteral("0561")}, {28, QStringLiteral("1")}, {32, cpf}, {43, nome},
                        {103, Centavos(a)}, {118, Centavos(b)}});
}

inline QString BancoDeclaracao(const QString& ni, const QString& ano) {
  return QStringLiteral("TOLV2014") + ni + ano + QStringLiteral(".FDB");
}

// A declaration of the program folder, registered in its index, with a salary line for Ana, Bia
// and Caio and a line of a code that reaches no statement for the last beneficiary (a company's
// unless the number is a CPF). Ends the process-wide connections: no collection may be alive.
// Its database's file name.
inline QString CriaDeclaracao(PastaProgramaTemp& pasta, const QString& ni, const QString& ano) {
  {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(ni);
    t.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA TESTE LTDA"));
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetAnoCalendario(ano);
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(ni.size() == 11 ? 9 : 0));
    TColecaoTolv colecao;
    colecao.Inclui(t);
    t.LiberaItens();
  }
  TColecao::FechaConexoes();
  // The lines read their codes from the index.
  if (pasta.le(QStringLiteral("Tolv.FDB"),
               QStringLiteral("SELECT COUNT(*) FROM CODRET WHERE COD_RETENCAO = '9999' AND ANO = '%1'").arg(ano)) == u"0")
    pasta.roda(QStringLiteral("Tolv.FDB"), QStringLiteral(R"(
INSERT INTO CODRET (ANO, COD_RETENCAO, ANEXO, PF_PJ_AMBOS, REGIME, COMPROVANTE, NAT_DECLARANTE, RESUMO)
  VALUES ('%1', '9999', '0', 'A', 'F', 'F', '0123489', 'Sem comprovante');
)").arg(ano));
  const QString banco = BancoDeclaracao(ni, ano);
  pasta.roda(banco, QStringLiteral(R"(
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (11, 1, '0561', '1', '529982247', 'ANA DE SOUZA', 5000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (12, 1, '0561', '1', '111444777', 'BIA DE SOUZA', 4000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (13, 1, '0561', '1', '123456789', 'CAIO DE SOUZA', 3000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (14, 1, '9999', '1', '390533447', 'DINO DE SOUZA', 100);
)"));
  return banco;
}

// The lines in Windows-1252 with CR LF, as a file of the folder; its path.
inline QString EscreveLinhas(const QString& pasta, const QString& nome, const QStringList& linhas) {
  const QString arquivo = pasta + u'/' + nome;
  QFile f(arquivo);
  if (!f.open(QIODevice::WriteOnly)) return {};
  for (const QString& l : linhas) f.write(Cp1252::codifica(l) + "\r\n");
  return arquivo;
}

class ComDeclaracoes : public testing::Test {
 protected:
  std::unique_ptr<GuardaPrograma> m_guarda;
  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
    m_guarda = std::make_unique<GuardaPrograma>();
  }
  void TearDown() override {
    m_tolv.reset();
    TColecao::FechaConexoes();
    m_guarda.reset();
    FalhaBanco = FalhaBancoIndice = false;
  }

  // A company's declaration with a salary line for Ana, Bia and Caio and a line of a code that
  // reaches no statement for the last beneficiary.
  void Cria(const QString& ni = kMatriz, const QString& ano = QStringLiteral("2013")) {
    m_bancos[ni + ano] = CriaDeclaracao(m_pasta, ni, ano);
  }

  // The declaration loaded, its database the open one.
  TTolv& Abre(const QString& ni = kMatriz, const QString& ano = QStringLiteral("2013")) {
    m_tolv = std::make_unique<TTolv>();
    m_tolv->SetErros(&m_erros);
    m_tolv->GetContribuinte().SetNi(ni);
    m_tolv->SetAnoCalendario(ano);
    m_indice = std::make_unique<TColecaoTolv>();
    EXPECT_TRUE(m_indice->CarregaTolv(*m_tolv));
    return *m_tolv;
  }

  // The lines in Windows-1252 with CR LF.
  QString Arquivo(const QStringList& linhas, const QString& nome = QStringLiteral("comprovantes.txt")) {
    const QString arquivo = EscreveLinhas(m_pasta.caminho(), nome, linhas);
    EXPECT_FALSE(arquivo.isEmpty());
    return arquivo;
  }

  QString Le(const QString& ni, const QString& ano, const QString& sql) { return m_pasta.le(m_bancos[ni + ano], sql); }

  QString ErroImp() const { return m_pasta.dados() + QStringLiteral("/ErroImp/"); }

  PastaProgramaTemp m_pasta{true};
  CaixaMensagemFalsa m_caixa;
  TErros m_erros;
  std::unique_ptr<TTolv> m_tolv;
  std::unique_ptr<TColecaoTolv> m_indice;
  std::map<QString, QString> m_bancos;
};

}  // namespace anos_anteriores_teste
