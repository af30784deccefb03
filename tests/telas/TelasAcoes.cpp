#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

#include <memory>

#include "Telas.h"
#include "interface/InicioFalso.h"
#include "suporte/RelatorioTeste.h"

#include "controles/TDialogoImpressao.h"
#include "controles/TFoPreview.h"
#include "interface/AcoesPrincipal.h"
#include "interface/IndicePrincipal.h"
#include "interface/TTolv2014.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"

namespace {

QPixmap grabMenu(QMenu* menu) {
  menu->ensurePolished();
  menu->resize(menu->sizeHint());
  return menu->grab();
}

// The window with a menu of its menu bar open (and, when given, one of its sub-menus beside it).
QPixmap comMenu(TTolv2014& janela, QMenu* menu, QMenu* submenu = nullptr) {
  QPixmap imagem = janela.grab();
  QPainter p(&imagem);
  p.setFont(janela.menuBar()->font());
  const QRect titulo = janela.menuBar()->actionGeometry(menu->menuAction());
  const QPoint canto = janela.menuBar()->mapTo(&janela, titulo.bottomLeft());
  p.fillRect(QRect(janela.menuBar()->mapTo(&janela, titulo.topLeft()), titulo.size()), QColor(0xC6, 0xD3, 0xEF));
  p.drawText(QRect(janela.menuBar()->mapTo(&janela, titulo.topLeft()), titulo.size()), Qt::AlignCenter,
             QString(menu->title()).remove(u'&'));
  const QPixmap principal = grabMenu(menu);
  p.drawPixmap(canto, principal);
  if (submenu) {
    const QRect linha = menu->actionGeometry(submenu->menuAction());
    p.drawPixmap(canto + QPoint(principal.width() - 4, linha.top()), grabMenu(submenu));
  }
  return imagem;
}

void salvaImagem(telas::Contexto& ctx, const QPixmap& imagem, const QString& nome) {
  QLabel rotulo;
  rotulo.setPixmap(imagem);
  rotulo.resize(imagem.size());
  ctx.salva(rotulo, nome);
}

}  // namespace

TOLV_TELAS(Acoes) {
  RelatorioTeste teste(400);
  {
    TFoPreview preview;
    preview.resize(1000, 760);
    preview.DefineRelatorio(&teste.rel);
    preview.show();
    preview.Prepara();
    ctx.salva(preview, "TFoPreview");
    preview.IrPara(3);
    preview.DefineZoom(TFoPreview::Zoom::PaginaInteira);
    ctx.salva(preview, "TFoPreview-paginaInteira");
    preview.DefineZoom(TFoPreview::Zoom::Normal);
    ctx.salva(preview, "TFoPreview-normal");
  }
  {
    TDialogoImpressao dialogo(3, 12);
    ctx.salva(dialogo, "TDialogoImpressao");
    TDialogoImpressao configuracao(0, 0);
    ctx.salva(configuracao, "TDialogoImpressao-configuracao");
  }

  // The menus over a company's declaration of 2013, open in the window.
  ctx.pasta();
  FalhaBanco = FalhaBancoIndice = false;
  IndicePrincipal indice;
  PassosPrincipal passos;
  indice.Conecta(passos);
  AmbienteFalso ambiente;
  auto janela = std::make_unique<TTolv2014>(ambiente, passos);
  janela->resize(1024, 700);
  janela->show();
  janela->setEnabled(true);
  const QString cnpj = QStringLiteral("11444777000161");
  {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(cnpj);
    t.GetContribuinte().GetNome().SetValor(QStringLiteral("EMPRESA DE DEMONSTRAÇÃO LTDA"));
    t.GetEstabelecimentoResponsavel().SetNi(cnpj);
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
    janela->GetColecaoTolv().Inclui(t);
    t.LiberaItens();
    janela->GetColecaoTolv().Atualiza();
  }
  TTolv& t = janela->GetTolv();
  t.GetContribuinte().SetNi(cnpj);
  t.SetAnoCalendario(QStringLiteral("2013"));
  janela->GetColecaoTolv().CarregaTolv(t);
  janela->AbrirDeclaracao();
  AcoesPrincipal& acoes = janela->Acoes();
  QMenu* imprimir = acoes.MenuDeclaracao()->findChild<QMenu*>(QStringLiteral("MenuImprimir"));
  salvaImagem(ctx, comMenu(*janela, acoes.MenuDeclaracao(), imprimir), "TTolv2014-menuDeclaracao");
  QMenu* copia = nullptr;
  for (QMenu* m : acoes.MenuFerramentas()->findChildren<QMenu*>())
    if (m->title().contains(QStringLiteral("segurança"))) copia = m;
  salvaImagem(ctx, comMenu(*janela, acoes.MenuFerramentas(), copia), "TTolv2014-menuFerramentas");
  salvaImagem(ctx, comMenu(*janela, acoes.MenuConsultas()), "TTolv2014-menuConsultas");
  salvaImagem(ctx, comMenu(*janela, acoes.MenuAjuda()), "TTolv2014-menuAjuda");
  {
    QPixmap imagem = janela->grab();
    QPainter p(&imagem);
    const QPixmap popup = grabMenu(acoes.MenuImpressao());
    p.drawPixmap(QPoint(157, 55), popup);
    QMenu* comprovante = nullptr;
    for (QMenu* m : acoes.MenuImpressao()->findChildren<QMenu*>())
      if (m->title().contains(QStringLiteral("Comprovante"))) comprovante = m;
    if (comprovante) {
      const QRect linha = acoes.MenuImpressao()->actionGeometry(comprovante->menuAction());
      p.drawPixmap(QPoint(157 + popup.width() - 4, 55 + linha.top()), grabMenu(comprovante));
    }
    p.end();
    salvaImagem(ctx, imagem, "TTolv2014-pmImpressao");
  }
  janela->FecharDeclaracao();
  {
    // The program folder is shared: the groups after this one find the index as it was.
    TErros erros;
    TTolv excluida;
    excluida.SetErros(&erros);
    excluida.GetContribuinte().SetNi(cnpj);
    excluida.SetAnoCalendario(QStringLiteral("2013"));
    if (janela->GetColecaoTolv().CarregaTolv(excluida)) janela->GetColecaoTolv().Exclui(excluida);
    excluida.LiberaItens();
  }
  janela.reset();
  indice.FecharColecoes();
  TColecao::FechaConexoes();
}
