#include <QApplication>

#include <memory>
#include <optional>
#include <stdexcept>

#include "Telas.h"
#include "interface/EmpresaNaJanela.h"
#include "interface/IndicePrincipal.h"
#include "interface/InicioFalso.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TFrInformacoesTolv.h"
#include "interface/TTolv2014.h"
#include "interface/TTzuqTree.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// Declarants of their own: the other groups share the program folder.
const QString kCnpj = QStringLiteral("33444555000181");
const QString kCnpjAnexos = QStringLiteral("44555666000181");

using empresa_na_janela::Indicadores;

// A company declaration of 2013 in the index of the shared program folder.
void CriaDeclaracao(TTolv2014& janela, const QString& cnpj, const Indicadores& indicadores) {
  empresa_na_janela::CriaEmpresa(janela, cnpj, indicadores, QStringLiteral("EMPRESA DE DEMONSTRAÇÃO LTDA"));
}

void AbreDeclaracao(TTolv2014& janela, const QString& cnpj) {
  empresa_na_janela::CarregaEmpresa(janela, cnpj);
  if (!janela.AbrirDeclaracao()) throw std::runtime_error("a declaração não abriu");
}

}  // namespace

TOLV_TELAS(Interface) {
  ctx.pasta();
  std::optional<GuardaPrograma> guarda;
  guarda.emplace();
  AmbienteFalso ambiente;
  {
    // Nothing open: the picture fills the window.
    TTolv2014 vazia(ambiente, PassosPrincipal::desligados());
    vazia.setEnabled(true);
    ctx.salva(vazia, "TTolv2014");
  }
  {
    IndicePrincipal indice;
    PassosPrincipal passos;
    indice.Conecta(passos);
    // The page a declaration opens on, so that the picture shows the window as the user finds it.
    passos.registraPaginas = [](TFrDeclaracao& conteiner) {
      conteiner.RegistraPagina(TFrDeclaracao::Informacoes, [](QWidget* pai) { return new TFrInformacoesTolv(pai); });
    };
    auto janela = std::make_unique<TTolv2014>(ambiente, passos);
    janela->resize(1024, 700);
    janela->setEnabled(true);
    janela->show();
    CriaDeclaracao(*janela, kCnpj, {});
    AbreDeclaracao(*janela, kCnpj);
    ctx.salva(*janela, "TTolv2014-declaracao");
    // The page container alone, as the tree leaves it: the header page on show.
    ctx.salva(*janela->FrDeclaracao(), "TFrDeclaracao");

    // Every group of the tree, on the narrowest window the program allows.
    janela->FecharDeclaracao();
    CriaDeclaracao(*janela, kCnpjAnexos, {true, true, true, true});
    janela->resize(800, 600);
    AbreDeclaracao(*janela, kCnpjAnexos);
    ctx.salva(*janela, "TTolv2014-declaracao-anexos");

    janela->FecharDeclaracao();
    janela.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    indice.FecharColecoes();
  }
  TColecao::FechaConexoes();
  guarda.reset();

  // Every node the tree can show, at its widest.
  TTzuqTree arvore;
  for (const char* chave : {"mostraFC", "mostraPlanoSaude", "mostraProcesso", "mostraRemessa", "mostraComprovante",
                            "mostraRendimentosIsentos", "mostraRendimentosIsentosFC", "mostraMolestia",
                            "mostraMolestiaProc", "mostraMolestiaAnexo", "mostraCompRendimentosTributaveis",
                            "mostraCompRendimentosIsentos", "mostraCompTributacaoExclusiva",
                            "mostraCompInformacoesComplementares", "mostraCompNaturezaRendimento",
                            "mostraCompInfCompRetencoes", "mostraCompInfCompRetencoesOrgaos", "mostraExpandido"})
    arvore.setProperty(chave, true);
  QString titulo;
  arvore.SelecionaNo(301, titulo);
  arvore.resize(280, 700);
  ctx.salva(arvore, "TTzuqTree");
}
