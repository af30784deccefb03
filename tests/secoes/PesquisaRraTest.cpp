#include <QComboBox>
#include <QTableView>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "SecoesTeste.h"
#include "controles/TTolvButton.h"
#include "nucleo/Cnpj.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/ConsultaPesquisaRra.h"
#include "secoes/TfrmPesquisarRra.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"
#include "suporte/QtGtest.h"

namespace {

using C = CriterioPesquisaRra;

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }
QString Cnpj(const char* base) { return QString::fromLatin1(base) + TCnpj::CalculaDVCnpj(QString::fromLatin1(base)); }

// The stored items, by name: the declarant's JOSE, ANA and JOSEFA, the court's JOSE.
struct Item {
  const char* nome;
  uint8_t tipo;
  const char* cpf;       // base
  const char* processo;  // "" none
  const char* advogado;  // base of 9 (CPF) or 12 (CNPJ) digits, "" none
  const char* nomeAdvogado;
};
const Item kItens[] = {
    {"JOSE DA SILVA", 1, "111222333", "ABC12345", "444555666", "MARIA SOUZA"},
    {"ANA MARIA SILVA", 1, "111222444", "", "112223330001", "SOUZA E REIS ADVOGADOS"},
    {"JOSEFA D'AVILA", 1, "555666777", "98765", "", ""},
    {"JOSE DA SILVA", 2, "111222333", "00012345620135010001", "112223330001", "SOUZA E REIS ADVOGADOS"},
};

struct Caso {
  const char* nome;
  C criterio;
  std::vector<const char*> achados;  // "nome/tipo" in key order
};
void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

C Criterio(int modo) {
  C c;
  c.modo = modo;
  return c;
}
C PorCpf(int modo, QString cpf, C::Ni como) {
  C c = Criterio(modo);
  c.cpf = std::move(cpf);
  c.criterioCpf = como;
  return c;
}
C PorNome(int modo, const char* nome, C::Nome como) {
  C c = Criterio(modo);
  c.nome = QString::fromUtf8(nome);
  c.criterioNome = como;
  return c;
}
C PorProcesso(int modo, const char* processo) {
  C c = Criterio(modo);
  c.processo = QString::fromLatin1(processo);
  return c;
}
C PorAdvogado(int modo, QString ni, C::Ni como) {
  C c = Criterio(modo);
  c.niAdvogado = std::move(ni);
  c.criterioNiAdvogado = como;
  return c;
}
C PorNomeAdvogado(int modo, const char* nome, C::Nome como) {
  C c = Criterio(modo);
  c.nomeAdvogado = QString::fromUtf8(nome);
  c.criterioNomeAdvogado = como;
  return c;
}

class ComItensRra : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    for (const Item& i : kItens) {
      TzuqRra item(&m_tolv, i.tipo);
      item.GetBeneficiario().SetNi(Cpf(i.cpf));
      // Stored as given: the search must cope with whatever names the table holds.
      item.GetBeneficiario().GetNome().SetNomeComErro(QString::fromUtf8(i.nome));
      if (*i.processo) item.GetProcesso().SetValor(QString::fromLatin1(i.processo));
      if (*i.advogado) {
        const QString base = QString::fromLatin1(i.advogado);
        item.GetAdvogado().SetNi(base.size() == 9 ? Cpf(i.advogado) : Cnpj(i.advogado));
        item.GetAdvogado().GetNome().SetValor(QString::fromUtf8(i.nomeAdvogado));
      }
      item.GetValores().GetRendimento(1).SetValorMonetario(Valor::deTexto(QStringLiteral("10")));
      TzuqRraDAO::DaDeclaracao(m_tolv).Salva(item);
      ids.push_back(item.GetId());
    }
  }
  std::vector<int> ids;
};

class CriteriosDaPesquisa : public ComItensRra, public testing::WithParamInterface<Caso> {};

TEST_P(CriteriosDaPesquisa, AchaOsItensEsperados) {
  bd::Transacao transacao(*TColecao::GetBancoDeclaracao(), {QStringLiteral("read_committed"), QStringLiteral("read")});
  ConsultaPesquisaRra consulta(transacao);
  consulta.Executa(GetParam().criterio);
  std::vector<LinhaPesquisaRra> linhas;
  while (consulta.Le(2, linhas)) {
  }
  QStringList achados;
  for (const LinhaPesquisaRra& l : linhas) {
    const auto it = std::find(ids.begin(), ids.end(), l.id);
    ASSERT_NE(it, ids.end());
    const Item& item = kItens[it - ids.begin()];
    achados << QString::fromUtf8(item.nome) + u'/' + QString::number(item.tipo);
    EXPECT_EQ(l.nome, QString::fromUtf8(item.nome));
    EXPECT_EQ(l.cpf, TNiContribuinte::FormataNi(Cpf(item.cpf)));
  }
  QStringList esperados;
  for (const char* a : GetParam().achados) esperados << QString::fromUtf8(a);
  EXPECT_EQ(achados, esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, CriteriosDaPesquisa,
    testing::Values(
        Caso{"SemCriterioTodosDoTipo", Criterio(0), {"JOSE DA SILVA/1", "ANA MARIA SILVA/1", "JOSEFA D'AVILA/1"}},
        Caso{"SemCriterioDaJustica", Criterio(1), {"JOSE DA SILVA/2"}},
        Caso{"CpfCompletoFormatado", PorCpf(0, TNiContribuinte::FormataNi(Cpf("111222333")), C::Completo),
             {"JOSE DA SILVA/1"}},
        Caso{"CpfParteInicial", PorCpf(0, QStringLiteral("111.222"), C::ParteInicialCpf),
             {"JOSE DA SILVA/1", "ANA MARIA SILVA/1"}},
        // A whole formatted CPF as a start: its first nine digits.
        Caso{"CpfParteInicialCompleto", PorCpf(0, TNiContribuinte::FormataNi(Cpf("111222444")), C::ParteInicialCpf),
             {"ANA MARIA SILVA/1"}},
        Caso{"NomeExato", PorNome(0, "jose da silva", C::ExatamenteIgual), {"JOSE DA SILVA/1"}},
        Caso{"NomeInicio", PorNome(0, "Jose", C::ParteInicial), {"JOSE DA SILVA/1", "JOSEFA D'AVILA/1"}},
        // Each word anywhere, in any order.
        Caso{"TodasAsPalavras", PorNome(0, "silva  maria", C::TodasAsPalavras), {"ANA MARIA SILVA/1"}},
        Caso{"TodasAsPalavrasUma", PorNome(0, "SILVA", C::TodasAsPalavras), {"JOSE DA SILVA/1", "ANA MARIA SILVA/1"}},
        // The typed text is data, never SQL nor a pattern.
        Caso{"SublinhadoEhLetra", PorNome(0, "JOS_", C::ParteInicial), {}},
        Caso{"PorcentoEhLetra", PorNome(0, "%SILVA", C::TodasAsPalavras), {}},
        Caso{"Apostrofo", PorNome(0, "josefa d'a", C::ParteInicial), {"JOSEFA D'AVILA/1"}},
        Caso{"Injecao", PorNome(0, "' OR '1'='1", C::ExatamenteIgual), {}},
        Caso{"ProcessoExato", PorProcesso(0, "ABC12345"), {"JOSE DA SILVA/1"}},
        Caso{"ProcessoSemInicio", PorProcesso(0, "ABC"), {}},
        Caso{"AdvogadoCompleto", PorAdvogado(1, Cnpj("112223330001"), C::Completo), {"JOSE DA SILVA/2"}},
        Caso{"AdvogadoInicioCpf", PorAdvogado(0, QStringLiteral("444"), C::ParteInicialCpf), {"JOSE DA SILVA/1"}},
        Caso{"AdvogadoInicioCnpj", PorAdvogado(0, QStringLiteral("11.222"), C::ParteInicialCnpj), {"ANA MARIA SILVA/1"}},
        // The start of a number is matched only against lawyers of that kind.
        Caso{"AdvogadoInicioDeOutroTipo", PorAdvogado(0, QStringLiteral("444"), C::ParteInicialCnpj), {}},
        Caso{"SomentePJ", PorAdvogado(0, QString(), C::SomentePJ), {"ANA MARIA SILVA/1"}},
        Caso{"SomentePFIgnoraONumero", PorAdvogado(0, QStringLiteral("999"), C::SomentePF), {"JOSE DA SILVA/1"}},
        Caso{"NomeDoAdvogado", PorNomeAdvogado(0, "reis souza", C::TodasAsPalavras), {"ANA MARIA SILVA/1"}},
        Caso{"NomeDoAdvogadoInicio", PorNomeAdvogado(0, "souza", C::ParteInicial), {"ANA MARIA SILVA/1"}}),
    [](const testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(CriterioDaPesquisaRra, PrefixoDoNumeroCortaOsDigitosVerificadores) {
  EXPECT_EQ(ConsultaPesquisaRra::PreparaPrefixoNi(QStringLiteral("111.222.333-96")), u"111222333");
  EXPECT_EQ(ConsultaPesquisaRra::PreparaPrefixoNi(QStringLiteral("11.222.333/0001-81")), u"112223330001");
  EXPECT_EQ(ConsultaPesquisaRra::PreparaPrefixoNi(QStringLiteral("1112")), u"1112");
}

TEST(CriterioDaPesquisaRra, NumeroCompletoInvalidoLevantaSuaMensagem) {
  try {
    ConsultaPesquisaRra::MontaCriterio(PorCpf(0, QStringLiteral("12345678900"), C::Completo));
    FAIL();
  } catch (const TErro& e) {
    EXPECT_NE(e.Codigo(), 0);
  }
}

TEST(CriterioDaPesquisaRra, TextosVaoComoParametros) {
  C c = PorNome(0, "A'B C", C::TodasAsPalavras);
  c.processo = QStringLiteral("X'Y");
  const auto condicao = ConsultaPesquisaRra::MontaCriterio(c);
  EXPECT_FALSE(condicao.texto.contains(QStringLiteral("A'B")));
  EXPECT_FALSE(condicao.texto.contains(QStringLiteral("X'Y")));
  EXPECT_EQ(condicao.parametros.size(), 4u);  // the type, two words, the process
}

// The dialog, shown without blocking.
class DialogoPesquisa : public ComItensRra {
 protected:
  std::unique_ptr<TfrmPesquisarRra> Abre(int modo) {
    auto d = std::make_unique<TfrmPesquisarRra>(modo, [this](const QString& id) { posicionados << id; });
    d->show();
    return d;
  }
  QComboBox* caixa(TfrmPesquisarRra& d, const char* nome) { return d.findChild<QComboBox*>(QString::fromLatin1(nome)); }
  TTolvButton* botao(TfrmPesquisarRra& d, const char* nome) {
    return d.findChild<TTolvButton*>(QString::fromLatin1(nome));
  }
  QStringList posicionados;
};

TEST_F(DialogoPesquisa, AchadoLevaOEditorAoItemEOHistoricoGuardaOTexto) {
  auto d = Abre(0);
  EXPECT_EQ(d->windowTitle(), u"Pesquisar beneficiário de rendimentos recebidos acumuladamente");
  EXPECT_FALSE(botao(*d, "btnPosicionar")->isEnabled());
  caixa(*d, "cbbNome")->setEditText(QStringLiteral("ana"));
  botao(*d, "btnExecutar")->click();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  ASSERT_EQ(d->QuantidadeLinhas(), 1);
  ASSERT_TRUE(botao(*d, "btnPosicionar")->isEnabled());
  botao(*d, "btnPosicionar")->click();
  EXPECT_EQ(posicionados, QStringList{QString::number(ids[1])});
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(ConfiguracoesTolv::HistoricoPesquisa(ConfiguracoesTolv::kPesquisasNome), QStringList{"ana"});
  // Limpar empties the boxes and the choices return to their start.
  caixa(*d, "cbbCriterioNome")->setCurrentIndex(0);
  botao(*d, "btnLimpar")->click();
  EXPECT_TRUE(caixa(*d, "cbbNome")->currentText().isEmpty());
  EXPECT_EQ(caixa(*d, "cbbCriterioNome")->currentText(), u"Igual a parte inicial do Nome");
  EXPECT_FALSE(botao(*d, "btnPosicionar")->isEnabled());
}

TEST_F(DialogoPesquisa, SemResultadoAvisaEPosicionarFicaDesligado) {
  auto d = Abre(1);
  EXPECT_EQ(d->findChild<QTableView*>(QStringLiteral("gridResultado"))->model()->headerData(2, Qt::Horizontal),
            QVariant(QStringLiteral("Processo/Requerimento")));
  caixa(*d, "cbbProcesso")->setEditText(QStringLiteral("ABC12345"));
  botao(*d, "btnExecutar")->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, u"Nenhum registro encontrado para o critério de pesquisa informado");
  EXPECT_EQ(m_caixa.ultima().titulo, u"Aviso");
  EXPECT_FALSE(botao(*d, "btnPosicionar")->isEnabled());
  d->Posicionar();
  EXPECT_TRUE(posicionados.isEmpty());
  // The process column takes the label of the court's search.
  EXPECT_EQ(d->findChild<QTableView*>(QStringLiteral("gridResultado"))->model()->headerData(2, Qt::Horizontal),
            QVariant(QStringLiteral("Processo")));
}

TEST_F(DialogoPesquisa, NumeroCompletoInvalidoMostraAMensagemENaoPesquisa) {
  auto d = Abre(0);
  caixa(*d, "cbbCPF")->setEditText(QStringLiteral("123.456.789-00"));
  botao(*d, "btnExecutar")->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, u"Erro");
  EXPECT_EQ(d->QuantidadeLinhas(), 0);
  EXPECT_FALSE(botao(*d, "btnPosicionar")->isEnabled());
}

}  // namespace
