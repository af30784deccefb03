#include <QLineEdit>
#include <QTableWidget>

#include <memory>

#include "Telas.h"
#include "entrega/TFoAssistAlteracao.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

void Cria(TColecaoTolv& colecao, const QString& ni, const QString& ano, const QString& nome) {
  TErros erros;
  TTolv t;
  t.SetErros(&erros);
  t.GetContribuinte().SetNi(ni);
  t.GetContribuinte().GetNome().SetValor(nome);
  t.GetEstabelecimentoResponsavel().SetNi(ni);
  t.SetAnoCalendario(ano);
  t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
  colecao.Inclui(t);
  t.LiberaItens();
}

void Digita(QWidget& janela, const char* caixa, const QString& texto) {
  auto* c = janela.findChild<QLineEdit*>(QString::fromLatin1(caixa));
  c->setFocus();
  c->setText(texto);
}

}  // namespace

TOLV_TELAS(Alteracao) {
  // A program folder of the pictures' own: the change renames databases.
  auto pasta = std::make_unique<PastaProgramaTemp>(true);
  {
    TColecaoTolv colecao;
    Cria(colecao, QStringLiteral("11444777000161"), QStringLiteral("2013"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA"));
    Cria(colecao, QStringLiteral("11444777000242"), QStringLiteral("2013"), QStringLiteral("COMERCIAL DE ALIMENTOS BOA MESA LTDA"));
    Cria(colecao, QStringLiteral("33000167000101"), QStringLiteral("2013"), QStringLiteral("PETROLEO DO CERRADO SA"));
    Cria(colecao, QStringLiteral("33000167000101"), QStringLiteral("2012"), QStringLiteral("PETROLEO DO CERRADO SA"));
  }
  TColecao::FechaConexoes();
  {
    TColecaoTolv colecao;
    TErros erros;
    TTolv tolv;
    tolv.SetErros(&erros);
    {
      TFoAssistAlteracao a(nullptr, colecao, tolv);
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao"));
      a.BtnAvancarClick();
      a.findChild<QTableWidget*>(QStringLiteral("DBGrDeclaracao"))->setCurrentCell(0, 0);
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao-lista"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao-cnpj"));
      // Taken in the same year: refused on the result page.
      Digita(a, "DeCpfCnpj4", QStringLiteral("0002"));
      Digita(a, "DeCpfCnpj5", QStringLiteral("42"));
      a.DeCpfCnpj4Exit();
      a.DeCpfCnpj5Exit();
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao-cnpjdigitado"));
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao-cadastrado"));
      a.hide();
    }
    {
      TFoAssistAlteracao a(nullptr, colecao, tolv);
      a.BtnAvancarClick();
      a.findChild<QTableWidget*>(QStringLiteral("DBGrDeclaracao"))->setCurrentCell(2, 0);
      a.BtnAvancarClick();
      Digita(a, "DeCpfCnpj4", QStringLiteral("0002"));
      Digita(a, "DeCpfCnpj5", QStringLiteral("92"));
      a.DeCpfCnpj4Exit();
      a.DeCpfCnpj5Exit();
      a.BtnAvancarClick();
      ctx.salva(a, QStringLiteral("TFoAssistAlteracao-resultado"));
      a.hide();
    }
    tolv.LiberaItens();
  }
  TColecao::FechaConexoes();
  pasta.reset();
  Pastas::definePrograma(ctx.pasta().caminho());
}
