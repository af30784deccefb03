#include <QWidget>

#include <memory>
#include <vector>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "controles/TTolvGridCompensacao.h"
#include "controles/TTolvGridComprPJ.h"
#include "controles/TTolvGridIsentos.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "controles/TTolvGridSubJudiceDeducoes.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TComprovantePJ.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"

namespace {

Valor C(int64_t centavos) { return Valor::deCentavos(centavos); }

// A salaried beneficiary's line: a year of pay with its deductions, some income under
// suspended exigibility, compensations and exempt income.
void PreencheLinha(TTolvItem& linha) {
  TRendimentosTributaveis& t = linha.GetTributaveis();
  TSubJudice& s = linha.GetSubJudice();
  for (int mes = 1; mes <= 13; ++mes) {
    t.GetRendimento(mes).SetValorMonetario(C(mes <= 6 ? 523045 : 549012));
    t.GetDeducaoPO(mes).SetValorMonetario(C(48293));
    t.GetDeducaoDP(mes).SetValorMonetario(C(2 * 17971));
    t.GetDeducaoPA(mes).SetValorMonetario(C(mes == 13 ? 0 : 60000));
    t.GetRetido(mes).SetValorMonetario(C(mes <= 6 ? 41237 : 44802));
    t.SomaDeducoes();
    if (mes % 3 == 0) {
      s.GetRendimento(mes).SetValorMonetario(C(120000));
      s.GetDeducaoPO(mes).SetValorMonetario(C(13200));
      s.GetRetido(mes).SetValorMonetario(C(3375));
      s.GetDeposito(mes).SetValorMonetario(C(3375));
    }
    if (mes == 3 || mes == 4) linha.GetCompensacao().GetAnoAtual(mes).SetValorMonetario(C(15000));
    if (mes == 5) linha.GetCompensacao().GetAnoAnterior(mes).SetValorMonetario(C(9840));
    linha.GetIsentos().GetDac(mes).SetValorMonetario(C(mes == 13 ? 0 : 35000));
    if (mes == 8) linha.GetIsentos().GetPdv(mes).SetValorMonetario(C(1250000));
    if (mes == 12) linha.GetIsentos().GetAp(mes).SetValorMonetario(C(183004));
  }
  linha.SetTolvItemDK(QStringLiteral("1"));
}

// The page around a grid: the program's background, a margin, and the program's font.
struct Moldura {
  explicit Moldura(QWidget* grade) {
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    grade->setParent(&janela);
    grade->move(8, 8);
    janela.resize(grade->width() + 16, grade->height() + 16);
  }
  void ajusta(QWidget* grade) { janela.resize(grade->width() + 16, grade->height() + 16); }
  QWidget janela;
};

TCodigoRetencao Codigo(const char* codigo, const char* descricao) {
  TCodigoRetencao::Colunas c;
  c.ano = QStringLiteral("2013");
  c.codRetencao = QString::fromLatin1(codigo);
  c.regime = QStringLiteral("C");
  c.resumo = QString::fromUtf8(descricao);
  c.pfPjAmbos = QStringLiteral("J");
  c.anexo = QStringLiteral("0");
  c.in4 = QStringLiteral("F");
  TCodigoRetencao codigoRetencao;
  codigoRetencao.CarregaColunas(c, 2);
  return codigoRetencao;
}

}  // namespace

TOLV_TELAS(Grades) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  TTolvItem linha(tolv, tolv);
  linha.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  PreencheLinha(linha);

  {
    auto* grade = new TTolvGridRendimentosDeducoes;
    Moldura m(grade);
    grade->SetMultiLinha(true);
    grade->SetTolvItem(&linha);
    grade->SelecionaCelula(3, 4);
    grade->setFocus();
    ctx.salva(m.janela, "TTolvGridRendimentosDeducoes");

    // A special situation in June: the months after it are locked. Serious illness shown, the
    // withheld column titled by the code, and an amount being typed.
    tolv.SetMesEvento(6);
    grade->SetMolestia(true);
    grade->SetDeducao(false);
    grade->SetTituloColuna(TModeloGridMesesDeducoes::kRetido, QStringLiteral("Valor\rRetido"));
    grade->SelecionaCelula(4, 3);
    grade->AbreEditor();
    grade->Editor()->setText(QStringLiteral("123,4"));
    ctx.salva(m.janela, "TTolvGridRendimentosDeducoes-estado");
    grade->FechaEditor(false);
    tolv.SetMesEvento(99);
  }
  {
    auto* grade = new TTolvGridSubJudiceDeducoes;
    Moldura m(grade);
    grade->SetMultiLinha(true);
    grade->SetTolvItem(&linha);
    ctx.salva(m.janela, "TTolvGridSubJudiceDeducoes");
  }
  {
    auto* grade = new TTolvGridCompensacao;
    Moldura m(grade);
    grade->SetTolvItem(&linha);
    grade->SelecionaCelula(2, 3);
    grade->setFocus();
    ctx.salva(m.janela, "TTolvGridCompensacao");
  }
  {
    auto* grade = new TTolvGridIsentos;
    Moldura m(grade);
    grade->SetTolvItem(&linha);
    grade->SetColunaVisivel(TModeloGridIsentos::kCopa, false);
    grade->AtualizaLayout();
    ctx.salva(m.janela, "TTolvGridIsentos");

    // Retirement over 65: its own caption, two kinds only and no thirteenth salary.
    linha.GetCodigoRetencao().SetCodigo(QStringLiteral("3533"));
    linha.GetIsentos().GetRip65(1).SetValorMonetario(C(178777));
    for (int c : {TModeloGridIsentos::kBolsa, TModeloGridIsentos::kPdv, TModeloGridIsentos::kAp})
      grade->SetColunaVisivel(c, false);
    grade->SetDecimoTerceiro(false);
    grade->AtualizaLayout();
    ctx.salva(m.janela, "TTolvGridIsentos-estado");
    linha.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  }
  {
    TTolv declaracao;
    declaracao.SetAnoCalendario(QStringLiteral("2013"));
    TBeneficiarioTolv beneficiario(&declaracao);
    beneficiario.SetNi(QStringLiteral("11444777000161"));
    std::vector<std::unique_ptr<TTolvItem>> linhas;
    const auto nova = [&](const char* codigo, const char* descricao, int meses, int64_t centavos) {
      linhas.push_back(std::make_unique<TTolvItem>(declaracao, declaracao));
      TTolvItem& l = *linhas.back();
      l.SetCodigoRetencao(Codigo(codigo, descricao));
      for (int mes = 1; mes <= meses; ++mes) {
        const int64_t rendimento = centavos + mes * 1000;
        l.GetTributaveis().GetRendimento(mes).SetValorMonetario(C(rendimento));
        l.GetTributaveis().GetRetido(mes).SetValorMonetario(C(rendimento * 15 / 1000));
      }
      return &l;
    };
    TComprovantePJ comprovante(beneficiario);
    comprovante.AdicionaItem(*nova("1708", "Remuneração de serviços profissionais", 2, 840000));
    comprovante.AdicionaItem(*nova("3280", "Serviços de limpeza, conservação e segurança", 1, 1275050));
    comprovante.GetLinha(1).SetDescricao(QStringLiteral("Limpeza do prédio da sede"));

    auto* grade = new TTolvGridComprPJ;
    Moldura m(grade);
    grade->SetComprovante(&comprovante);
    m.ajusta(grade);
    ctx.salva(m.janela, "TTolvGridComprPJ");

    // Sixteen lines need more than 320 pixels: the grid scrolls.
    TComprovantePJ longo(beneficiario);
    longo.AdicionaItem(*nova("1708", "Remuneração de serviços profissionais", 12, 840000));
    longo.AdicionaItem(*nova("3280", "Serviços de limpeza, conservação e segurança", 4, 1275050));
    grade->SetComprovante(&longo);
    grade->setFocus();
    m.ajusta(grade);
    ctx.salva(m.janela, "TTolvGridComprPJ-estado");
    grade->SetComprovante(nullptr);
  }
}
