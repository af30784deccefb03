#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "Telas.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"
#include "copia/TFormCopSegAuto.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/UnidadesFalsas.h"

namespace {

void Cria(TColecaoTolv& colecao, const QString& ni, const QString& nome, int natureza) {
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(ni);
  t.GetContribuinte().GetNome().SetValor(nome);
  t.GetEstabelecimentoResponsavel().SetNi(ni);
  t.SetAnoCalendario(QStringLiteral("2013"));
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(natureza));
  colecao.Inclui(t);
  t.LiberaItens();
}

void Progresso(QWidget& janela, const char* nome, int valor, int maximo = 100) {
  if (auto* barra = janela.findChild<QProgressBar*>(QString::fromLatin1(nome))) {
    barra->setRange(0, maximo);
    barra->setValue(valor);
  }
}

}  // namespace

TOLV_TELAS(Copia) {
  // A program folder of the pictures' own, with declarations listed; the shared one comes back.
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  const QString raiz = pasta->caminho();
  {
    TColecaoTolv colecao;
    Cria(colecao, QStringLiteral("11444777000161"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA"), 1);
    Cria(colecao, QStringLiteral("11444777000242"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA FILIAL NORTE"), 1);
    Cria(colecao, QStringLiteral("12345678909"), QStringLiteral("MARIA DAS GRACAS DE OLIVEIRA"), 9);
    Cria(colecao, QStringLiteral("52998224725"), QStringLiteral("JOSE CARLOS PEREIRA"), 9);
  }
  TColecao::FechaConexoes();
  QDir().mkpath(raiz + QStringLiteral("/disquete"));
  UnidadesFalsas unidades({{QStringLiteral("/"), TipoUnidade::Fixa, QStringLiteral("disco"), true},
                           {raiz + QStringLiteral("/disquete"), TipoUnidade::Disquete, QStringLiteral("A"), true}});

  {
    TFormAssistCopSeg a;
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg"));
    a.findChild<QRadioButton*>(QStringLiteral("RBCopDec"))->setChecked(true);
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-lista"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-arquivo"));
    a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(raiz + QStringLiteral("/disquete/TOLV2014123456789092013.dbk"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-disquete"));
    a.MostraPagina(4);
    Progresso(a, "GaugeTotal", 45);
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-progresso"));
    a.hide();
  }
  {
    TFormAssistCopSeg a;
    a.BtnAvancarClick();
    a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(raiz + QStringLiteral("/CopSeg/CopSeg.cmp"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-concluida"));
    a.hide();
  }
  {
    TFormAssistCopSeg a;
    QFile::remove(pasta->dados() + QStringLiteral("/TOLV2014529982247252013.FDB"));
    a.BtnAvancarClick();
    a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(raiz + QStringLiteral("/CopSeg/Outra.cmp"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistCopSeg-falha"));
    a.hide();
  }
  {
    TFormAssistRestCopSeg a;
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg"));
    a.BtnAvancarClick();
    a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(raiz + QStringLiteral("/CopSeg/CopSeg.cmp"));
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-arquivo"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-confirmacao"));
    a.MostraPagina(3);
    Progresso(a, "GaugeTotal", 60);
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-extracao"));
    a.MostraPagina(7);
    Progresso(a, "Gauge2", 2, 5);
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-atualizacao"));
    a.MostraPagina(6);
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-concluida"));
    a.hide();
  }
  TColecao::FechaConexoes();
  {
    // A whole-base archive taken for one declaration's.
    TFormAssistRestCopSeg a;
    a.findChild<QRadioButton*>(QStringLiteral("RBCopDec"))->setChecked(true);
    a.BtnAvancarClick();
    a.findChild<QLineEdit*>(QStringLiteral("EdArquivo"))->setText(raiz + QStringLiteral("/CopSeg/CopSeg.cmp"));
    a.BtnAvancarClick();
    ctx.salva(a, QStringLiteral("TFormAssistRestCopSeg-falha"));
    a.hide();
  }
  TColecao::FechaConexoes();
  {
    TFormCopSegAuto janela;
    janela.GravaCopiaAutomatica();
    Progresso(janela, "GaugeTotal", 70);
    ctx.salva(janela, QStringLiteral("TFormCopSegAuto"));
    janela.hide();
  }
  TColecao::FechaConexoes();
  pasta.reset();
  Pastas::definePrograma(ctx.pasta().caminho());
}
