#include <QVBoxLayout>
#include <QWidget>

#include "Telas.h"
#include "controles/PaletaTolv.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

QString Cpf(const char* base) { return QString::fromLatin1(base) + TCpf::CalculaDVCpf(QString::fromLatin1(base)); }

Valor C(int64_t centavos) { return Valor::deCentavos(centavos); }

using R = TRendimentosTributaveis;

// A salaried person over the year with the thirteenth salary, deductions and tax withheld.
void Assalariado(TTolvItem& l) {
  l.Limpa();
  l.GetBeneficiario().SetNi(Cpf("111222333"));
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("JOSÉ DA SILVA SAURO"));
  l.GetCodigoRetencao().SetCodigo(QStringLiteral("0561"));
  for (int mes = 1; mes <= 13; ++mes) {
    const int64_t salario = 645000 + mes * 1250;
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(C(salario));
    l.GetTributaveis().GetSerie(R::kDeducaoPO).Mes(mes).SetValorMonetario(C(salario * 11 / 100));
    l.GetTributaveis().GetSerie(R::kDeducaoDP).Mes(mes).SetValorMonetario(C(17180));
    l.GetTributaveis().GetSerie(R::kRetido).Mes(mes).SetValorMonetario(C(salario * 15 / 100 - 35000));
  }
  l.GetIsentos().GetSerie(TRendimentosIsentos::kDac).Mes(3).SetValorMonetario(C(120000));
}

// Professional services paid to a company.
void Empresa(TTolvItem& l) {
  l.Limpa();
  l.GetBeneficiario().SetNi(QStringLiteral("11222333000181"));
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("CONSULTORIA SOUZA E REIS LTDA"));
  l.GetCodigoRetencao().SetCodigo(QStringLiteral("1708"));
  for (int mes = 2; mes <= 12; mes += 2) {
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(C(1250000 + mes * 10000));
    l.GetTributaveis().GetSerie(R::kRetido).Mes(mes).SetValorMonetario(C((1250000 + mes * 10000) * 15 / 1000));
  }
}

// A pension under a court order: suspended exigibility with deposits, and compensated tax.
void Judicial(TTolvItem& l) {
  l.Limpa();
  l.GetBeneficiario().SetNi(Cpf("555666777"));
  l.GetBeneficiario().GetNome().SetValor(QStringLiteral("ANA MARIA DE OLIVEIRA"));
  l.GetCodigoRetencao().SetCodigo(QStringLiteral("3533"));
  for (int mes = 1; mes <= 12; ++mes) {
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(C(480000));
    l.GetTributaveis().GetSerie(R::kRetido).Mes(mes).SetValorMonetario(C(31250));
    if (mes >= 4) {
      l.GetSubJudice().GetSerie(R::kRendimento).Mes(mes).SetValorMonetario(C(95000));
      l.GetSubJudice().GetSerie(R::kDeducaoPO).Mes(mes).SetValorMonetario(C(10450));
      l.GetSubJudice().GetSerie(R::kRetido).Mes(mes).SetValorMonetario(C(7125));
      l.GetSubJudice().GetDeposito(mes).SetValorMonetario(C(7125));
    }
    if (mes % 3 == 0) l.GetCompensacao().GetAnoAtual(mes).SetValorMonetario(C(15000 + mes * 100));
  }
  l.GetCompensacao().GetAnoAnterior(2).SetValorMonetario(C(42000));
  l.GetInMolestia().SetValor(QStringLiteral("S"));
  l.GetDataLaudo().SetValor(QStringLiteral("15/05/2013"));
  for (int mes = 6; mes <= 12; ++mes) l.GetTributaveis().GetSerie(R::kMolestia).Mes(mes).SetValorMonetario(C(210000));
}

// The page inside a frame the size of the page container's place.
struct Pagina {
  Pagina() {
    janela.setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(&janela, PaletaTolv::kFundo);
    auto* l = new QVBoxLayout(&janela);
    l->setContentsMargins(0, 0, 0, 0);
    pagina = new TFrBeneficiarios(TFrBeneficiarios::Modo::Declarante, &janela);
    l->addWidget(pagina);
    janela.resize(640, 640);
  }
  QWidget janela;
  TFrBeneficiarios* pagina = nullptr;
};

}  // namespace

TOLV_TELAS(Beneficiarios) {
  ctx.pasta().copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
  TTolv tolv;
  tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetTolvDK(QStringLiteral("1"));
  tolv.GetResumo().Zera();
  tolv.GetResumoGeral().Zera();
  {
    TColecaoTolvItem& itens = tolv.GetItens();
    itens.SetModoLista(false);
    TTolvItem linha(tolv, tolv);
    for (void (*preenche)(TTolvItem&) : {&Assalariado, &Empresa, &Judicial}) {
      preenche(linha);
      itens.Grava(linha);
    }
  }
  {
    Pagina p;
    p.pagina->Inicializa(tolv);
    NoCorrente = 201;
    p.pagina->BbFirstClick();
    p.pagina->MostraFicha(201);
    ctx.salva(p.janela, "TFrBeneficiarios");

    NoCorrente = 204;
    p.pagina->MostraFicha(204);
    ctx.salva(p.janela, "TFrBeneficiarios-isentos");

    NoCorrente = 201;
    p.pagina->BbNextClick();
    ctx.salva(p.janela, "TFrBeneficiarios-empresa");

    p.pagina->BbNextClick();
    NoCorrente = 203;
    p.pagina->MostraFicha(203);
    ctx.salva(p.janela, "TFrBeneficiarios-judicial");
    NoCorrente = 202;
    p.pagina->MostraFicha(202);
    ctx.salva(p.janela, "TFrBeneficiarios-compensacao");
    NoCorrente = 206;
    p.pagina->MostraFicha(206);
    p.pagina->RefazTela();
    ctx.salva(p.janela, "TFrBeneficiarios-molestia");

    NoCorrente = 201;
    p.pagina->BbAddClick();
    ctx.salva(p.janela, "TFrBeneficiarios-novo");
    p.pagina->Finaliza();
  }
  tolv.LiberaItens();
  TColecao::FechaConexoes();
}
